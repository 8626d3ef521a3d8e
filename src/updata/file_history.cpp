// SPDX-License-Identifier: GPL-3.0-or-later
#include "updata/file_history.h"

#include <algorithm>
#include <new>

namespace tarnwick {
namespace {

bool Ascending(const std::vector<int>& ids) {
  return std::adjacent_find(ids.begin(), ids.end(), [](int a, int b) { return a >= b; }) == ids.end();
}

bool Overwrite(UPFile& file, const std::vector<int>& ids, const std::vector<UPRecord>& records) {
  if (ids.size() != records.size()) return false;
  if (!std::all_of(ids.begin(), ids.end(), [&](int id) { return id >= 0 && id < file.count; })) return false;
  for (std::size_t k = 0; k < ids.size(); ++k) file.up(ids[k]) = records[k];
  return true;
}

bool PatchHeader(UPSHeader& header, const std::vector<HeaderPatch>& patches, bool forward) {
  for (const HeaderPatch& patch : patches) {
    if (patch.offset < 0 || patch.before.size() != patch.after.size() ||
        static_cast<std::size_t>(patch.offset) + patch.before.size() > header.size()) {
      return false;
    }
  }
  for (const HeaderPatch& patch : patches) {
    const std::vector<std::uint8_t>& bytes = forward ? patch.after : patch.before;
    std::copy(bytes.begin(), bytes.end(), header.begin() + patch.offset);
  }
  return true;
}

// Makes the change of `step` (forward) or takes it back.
bool Apply(UPFile& file, const FileStep& step, bool forward) {
  switch (step.kind) {
    case FileStep::Kind::Overwrite:
      return Overwrite(file, step.ids, forward ? step.after : step.before);
    case FileStep::Kind::Insert:
      return forward ? InsertRecordsAt(file, step.ids, step.after) : RemoveRecordsAt(file, step.ids);
    case FileStep::Kind::Remove:
      return forward ? RemoveRecordsAt(file, step.ids) : InsertRecordsAt(file, step.ids, step.before);
    case FileStep::Kind::Header:
      return PatchHeader(file.header, step.patches, forward);
  }
  return false;
}

const std::string kNothing;

}  // namespace

std::size_t FileStep::Bytes() const {
  std::size_t bytes = sizeof(FileStep) + what.size() + ids.size() * sizeof(int) +
                      (before.size() + after.size()) * sizeof(UPRecord);
  for (const HeaderPatch& patch : patches) bytes += sizeof(HeaderPatch) + 2 * patch.before.size();
  return bytes;
}

FileStep HeaderStep(const UPSHeader& before, const UPSHeader& after, std::string what) {
  FileStep step{FileStep::Kind::Header, std::move(what), {}, {}, {}, {}};
  for (std::size_t i = 0; i < before.size();) {
    if (before[i] == after[i]) {
      ++i;
      continue;
    }
    std::size_t end = i;
    while (end < before.size() && before[end] != after[end]) ++end;
    step.patches.push_back({static_cast<int>(i), {before.begin() + static_cast<std::ptrdiff_t>(i), before.begin() + static_cast<std::ptrdiff_t>(end)},
                            {after.begin() + static_cast<std::ptrdiff_t>(i), after.begin() + static_cast<std::ptrdiff_t>(end)}});
    i = end;
  }
  return step;
}

bool RemoveRecordsAt(UPFile& file, const std::vector<int>& ascendingIDs) {
  if (ascendingIDs.empty()) return true;
  if (!Ascending(ascendingIDs) || ascendingIDs.front() < 0 || ascendingIDs.back() >= file.count) return false;
  // One pass: every kept record moves down over the gaps left before it.
  int write = ascendingIDs.front();
  std::size_t next = 0;
  for (int read = ascendingIDs.front(); read < file.count; ++read) {
    if (next < ascendingIDs.size() && ascendingIDs[next] == read) {
      ++next;
      continue;
    }
    file.up(write++) = file.up(read);
  }
  return SetUPCount(file, write);  // shrinking cannot fail
}

bool InsertRecordsAt(UPFile& file, const std::vector<int>& ascendingIDs, const std::vector<UPRecord>& records) {
  const int n = static_cast<int>(ascendingIDs.size());
  const int oldCount = file.count;
  if (records.size() != ascendingIDs.size()) return false;
  if (n == 0) return true;
  if (!Ascending(ascendingIDs) || ascendingIDs.front() < 0 || ascendingIDs.back() >= oldCount + n) return false;
  try {
    if (!SetUPCount(file, oldCount + n)) return false;
  } catch (const std::bad_alloc&) {
    return false;
  }
  // From the end down: each place gets either the next new record or the next old one.
  int read = oldCount - 1;
  int next = n - 1;
  for (int write = oldCount + n - 1; write >= 0 && next >= 0; --write) {
    if (ascendingIDs[static_cast<std::size_t>(next)] == write) {
      file.up(write) = records[static_cast<std::size_t>(next--)];
    } else {
      file.up(write) = file.up(read--);
    }
  }
  return true;
}

void FileHistory::Record(FileStep step) {
  while (steps_.size() > position_) {
    bytes_ -= steps_.back().Bytes();
    steps_.pop_back();
  }
  if (saved_ > static_cast<std::ptrdiff_t>(position_)) saved_ = -1;  // the saved state was undone away
  bytes_ += step.Bytes();
  steps_.push_back(std::move(step));
  ++position_;
  while (bytes_ > limit_ && steps_.size() > 1) DropOldest();
}

void FileHistory::DropOldest() {
  bytes_ -= steps_.front().Bytes();
  steps_.pop_front();
  --position_;
  saved_ = saved_ > 0 ? saved_ - 1 : -1;
}

const std::string& FileHistory::UndoWhat() const { return CanUndo() ? steps_[position_ - 1].what : kNothing; }
const std::string& FileHistory::RedoWhat() const { return CanRedo() ? steps_[position_].what : kNothing; }
const FileStep* FileHistory::UndoStep() const { return CanUndo() ? &steps_[position_ - 1] : nullptr; }
const FileStep* FileHistory::RedoStep() const { return CanRedo() ? &steps_[position_] : nullptr; }

bool FileHistory::Undo(UPFile& file) {
  if (!CanUndo() || !Apply(file, steps_[position_ - 1], false)) return false;
  --position_;
  return true;
}

bool FileHistory::Redo(UPFile& file) {
  if (!CanRedo() || !Apply(file, steps_[position_], true)) return false;
  ++position_;
  return true;
}

void FileHistory::Reset() {
  steps_.clear();
  position_ = 0;
  saved_ = 0;
  bytes_ = 0;
}

}  // namespace tarnwick
