// SPDX-License-Identifier: GPL-3.0-or-later
#include "stage/stage_set_list.h"

#include <QFileInfo>
#include <algorithm>
#include <functional>

#include "stage/entry_lookup.h"

namespace tarnwick {
namespace {

QString CanonicalUPSPath(const std::string& path) {
  if (path.empty()) return {};
  const QFileInfo info(QString::fromStdString(path));
  const QString canonical = info.canonicalFilePath();
  return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}

bool ValidRows(const std::vector<int>& rows, int size) {
  return !rows.empty() && std::all_of(rows.begin(), rows.end(), [size](int row) { return row >= 0 && row < size; });
}

}  // namespace

StageSetList::StageSetList(const UPData& data, QObject* parent) : QObject(parent), data_(data) {}

int StageSetList::upsSlot() const {
  if (upsPath_.isEmpty()) return -1;
  for (int slot = 0; slot < 2; ++slot) {
    if (CanonicalUPSPath(data_.files[static_cast<std::size_t>(slot)].path) == upsPath_) return slot;
  }
  return -1;
}

QString StageSetList::checkSource(int slot, const std::vector<int>& ids) {
  if (slot < 0 || slot > 1) return QStringLiteral("There is no file %1.").arg(slot);
  const UPFile& file = data_.files[static_cast<std::size_t>(slot)];
  if (file.path.empty()) {
    return QStringLiteral("Save file %1 first: a set list finds its UPs by the file's name.").arg(slot);
  }
  for (const int id : ids) {
    if (id < 0 || id >= file.count) return QStringLiteral("File %1 has no UP %2.").arg(slot).arg(id);
  }
  const QString source = CanonicalUPSPath(file.path);
  if (entries_.empty() && upsPath_ != source) {
    upsPath_ = source;  // an empty list plays the file of its first UPs
    return {};
  }
  if (source != upsPath_) {
    return QStringLiteral("This set list plays the UPs of %1; these UPs are from %2.")
        .arg(QFileInfo(upsPath_).fileName(), QFileInfo(source).fileName());
  }
  return {};
}

std::vector<StageEntry> StageSetList::entriesOf(int slot, const std::vector<int>& ids) const {
  std::vector<StageEntry> added;
  for (const int id : ids) {
    added.push_back({id, UPNameAt(data_.files[static_cast<std::size_t>(slot)], id), {}, EntryState::Found});
  }
  return added;
}

QString StageSetList::Append(int slot, const std::vector<int>& ids) { return Insert(size(), slot, ids); }

QString StageSetList::Insert(int row, int slot, const std::vector<int>& ids) {
  if (ids.empty()) return {};
  if (QString refusal = checkSource(slot, ids); !refusal.isEmpty()) return refusal;
  std::vector<StageEntry> next = entries_;
  const std::vector<StageEntry> added = entriesOf(slot, ids);
  next.insert(next.begin() + std::clamp(row, 0, size()), added.begin(), added.end());
  apply(std::move(next));
  return {};
}

bool StageSetList::Move(std::vector<int> rows, int beforeRow) {
  if (!ValidRows(rows, size())) return false;
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  std::vector<StageEntry> moved;
  std::vector<StageEntry> rest;
  int insertAt = 0;
  for (int row = 0; row < size(); ++row) {
    const bool picked = std::binary_search(rows.begin(), rows.end(), row);
    (picked ? moved : rest).push_back(entries_[static_cast<std::size_t>(row)]);
    if (!picked && row < beforeRow) ++insertAt;
  }
  rest.insert(rest.begin() + insertAt, moved.begin(), moved.end());
  if (rest == entries_) return false;
  apply(std::move(rest));
  return true;
}

bool StageSetList::Remove(std::vector<int> rows) {
  if (!ValidRows(rows, size())) return false;
  std::sort(rows.begin(), rows.end(), std::greater<>());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  std::vector<StageEntry> next = entries_;
  for (const int row : rows) next.erase(next.begin() + row);
  apply(std::move(next));
  return true;
}

bool StageSetList::SetNote(int row, const QString& note) {
  if (row < 0 || row >= size() || entries_[static_cast<std::size_t>(row)].note == note) return false;
  std::vector<StageEntry> next = entries_;
  next[static_cast<std::size_t>(row)].note = note;
  apply(std::move(next));
  return true;
}

bool StageSetList::Undo() {
  if (!history_.CanUndo()) return false;
  show(history_.Undo());
  return true;
}

bool StageSetList::Redo() {
  if (!history_.CanRedo()) return false;
  show(history_.Redo());
  return true;
}

void StageSetList::apply(std::vector<StageEntry> entries) {
  history_.Record(entries);
  show(entries);
}

void StageSetList::show(const std::vector<StageEntry>& entries) {
  emit aboutToChange();
  entries_ = entries;
  if (const int slot = upsSlot(); slot >= 0) ResolveEntries(entries_, data_.files[static_cast<std::size_t>(slot)]);
  emit changed();
}

void StageSetList::Replace(const StageSet& set, const QString& path) {
  upsPath_ = CanonicalUPSPath(set.upsPath.toStdString());
  path_ = path;
  history_.Reset(set.entries);
  show(set.entries);
}

void StageSetList::MarkSaved(const QString& path) {
  path_ = path;
  history_.MarkSaved();
  emit aboutToChange();
  emit changed();
}

void StageSetList::Resolve() { show(entries_); }

}  // namespace tarnwick
