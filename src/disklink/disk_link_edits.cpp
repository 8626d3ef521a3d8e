// SPDX-License-Identifier: GPL-3.0-or-later
#include "disklink/disk_link_edits.h"

#include <QList>

#include "updata/ansi_text.h"
#include "updata/disk_link.h"

namespace tarnwick {
namespace {

constexpr int kFieldLength = 8;

bool ValidIndex(int index) { return index >= 0 && index < kDiskLinkCount; }

}  // namespace

std::string DiskLinkField(const QString& text) {
  std::string field;
  for (const char32_t ch : text.toUcs4()) {
    if (static_cast<int>(field.size()) == kFieldLength) break;
    field += UnicodeToAnsi(ch);
  }
  field.resize(kFieldLength, ' ');
  return field;
}

QString DiskLinkShown(const std::string& field) { return QString::fromStdString(AnsiToUtf8(field)); }

bool RenameDiskLink(HeaderChanges& changes, int file, int index, const QString& text) {
  if (!ValidIndex(index)) return false;
  const UPSHeader before = changes.header(file);
  UPSHeader after = before;
  SetDiskLinkName(after, index, DiskLinkField(text));
  return changes.ChangeFileHeader(file, before, after, "Rename of " + NumToDLBnk(index));
}

bool CopyDiskLinkNames(HeaderChanges& changes, int source, const std::vector<int>& sourceIds,
                       const std::vector<int>& targetIds) {
  if (sourceIds.empty() || sourceIds.size() != targetIds.size()) return false;
  const int target = 1 - source;
  const UPSHeader& from = changes.header(source);
  const UPSHeader before = changes.header(target);
  UPSHeader after = before;
  for (std::size_t k = 0; k < sourceIds.size(); ++k) {
    if (!ValidIndex(sourceIds[k]) || !ValidIndex(targetIds[k])) return false;
    SetDiskLinkName(after, targetIds[k], GetDiskLinkName(from, sourceIds[k]));
  }
  const std::size_t n = targetIds.size();
  return changes.ChangeFileHeader(target, before, after,
                                  "Copy of " + std::to_string(n) + (n == 1 ? " Disk Link name" : " Disk Link names"));
}

}  // namespace tarnwick
