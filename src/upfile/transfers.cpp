// SPDX-License-Identifier: GPL-3.0-or-later
#include "upfile/transfers.h"

#include <algorithm>
#include <functional>
#include <new>

namespace tarnwick {
namespace {

bool AllIn(const std::vector<int>& ids, const UPFile& file) {
  return std::all_of(ids.begin(), ids.end(), [&](int id) { return id >= 0 && id < file.count; });
}

TransferResult Failed(const char* message) { return {false, message}; }
TransferResult Done() { return {true, {}}; }

// The source records, read before the target changes (source and target may be one file).
std::vector<UPRecord> Gather(const UPFile& source, const std::vector<int>& ids) {
  std::vector<UPRecord> records;
  records.reserve(ids.size());
  for (int id : ids) records.push_back(source.up(id));
  return records;
}

// Opens a gap of `n` records at `position`, or returns false with the file unchanged.
bool OpenGap(UPFile& file, int position, int n) {
  const int oldCount = file.count;
  try {
    if (!SetUPCount(file, oldCount + n)) return false;
  } catch (const std::bad_alloc&) {
    return false;
  }
  std::move_backward(file.records.begin() + position, file.records.begin() + oldCount,
                     file.records.begin() + oldCount + n);
  return true;
}

TransferResult AddRecords(const UPFile& source, const std::vector<int>& sourceIDs, UPFile& target,
                          int position, const char* limitMessage, const char* failedMessage) {
  const int n = static_cast<int>(sourceIDs.size());
  if (target.count + n > kMaxUPCount) return Failed(limitMessage);
  if (!AllIn(sourceIDs, source) || position < 0 || position > target.count) {
    return Failed(failedMessage);
  }
  if (n == 0) return Done();
  try {
    if (&source == &target) {
      const std::vector<UPRecord> records = Gather(source, sourceIDs);
      if (!OpenGap(target, position, n)) return Failed(failedMessage);
      std::copy(records.begin(), records.end(), target.records.begin() + position);
    } else {
      if (!OpenGap(target, position, n)) return Failed(failedMessage);
      for (int k = 0; k < n; ++k) target.up(position + k) = source.up(sourceIDs[static_cast<std::size_t>(k)]);
    }
  } catch (const std::bad_alloc&) {
    return Failed(failedMessage);
  }
  return Done();
}

}  // namespace

TransferResult CopyUPs(const UPFile& source, const std::vector<int>& sourceIDs, UPFile& target,
                       const std::vector<int>& targetIDs) {
  if (sourceIDs.size() != targetIDs.size() || !AllIn(sourceIDs, source) || !AllIn(targetIDs, target)) {
    return Failed(kCopyFailedMessage);
  }
  try {
    const std::vector<UPRecord> records = Gather(source, sourceIDs);
    for (std::size_t k = 0; k < records.size(); ++k) target.up(targetIDs[k]) = records[k];
  } catch (const std::bad_alloc&) {
    return Failed(kCopyFailedMessage);
  }
  return Done();
}

TransferResult InsertUPs(const UPFile& source, const std::vector<int>& sourceIDs, UPFile& target,
                         int position) {
  return AddRecords(source, sourceIDs, target, position, kInsertLimitMessage, kInsertFailedMessage);
}

TransferResult AppendUPs(const UPFile& source, const std::vector<int>& sourceIDs, UPFile& target) {
  return AddRecords(source, sourceIDs, target, target.count, kAppendLimitMessage, kAppendFailedMessage);
}

TransferResult DeleteUPs(UPFile& file, std::vector<int> ids) {
  if (!AllIn(ids, file)) return Failed(kDeleteFailedMessage);
  if (ids.empty()) return Done();
  std::sort(ids.begin(), ids.end());
  ids.erase(std::unique(ids.begin(), ids.end()), ids.end());

  // One pass: every kept record moves down over the gaps left before it.
  int write = ids.front();
  std::size_t next = 0;
  for (int read = ids.front(); read < file.count; ++read) {
    if (next < ids.size() && ids[next] == read) {
      ++next;
      continue;
    }
    file.up(write++) = file.up(read);
  }
  SetUPCount(file, write);  // shrinking cannot fail
  return Done();
}

namespace {

std::string CountOfUPs(const char* what, std::size_t n) {
  return std::string(what) + " of " + std::to_string(n) + (n == 1 ? " UP" : " UPs");
}

// Everything a step keeps is gathered before the file changes, so that running out of memory
// can only refuse the transfer, never leave a change without its step.
TransferChange AddedStep(const UPFile& source, const std::vector<int>& sourceIDs, int position, const char* what,
                         const char* failedMessage, const std::function<TransferResult()>& transfer) {
  TransferChange change{{}, {FileStep::Kind::Insert, CountOfUPs(what, sourceIDs.size()), {}, {}, {}, {}}};
  try {
    if (AllIn(sourceIDs, source)) change.step.after = Gather(source, sourceIDs);
    change.step.ids.resize(sourceIDs.size());
  } catch (const std::bad_alloc&) {
    change.result = Failed(failedMessage);
    return change;
  }
  for (std::size_t k = 0; k < sourceIDs.size(); ++k) change.step.ids[k] = position + static_cast<int>(k);
  change.result = transfer();
  return change;
}

}  // namespace

TransferChange CopyUPsStep(const UPFile& source, const std::vector<int>& sourceIDs, UPFile& target,
                           const std::vector<int>& targetIDs) {
  TransferChange change{{}, {FileStep::Kind::Overwrite, CountOfUPs("Copy", targetIDs.size()), targetIDs, {}, {}, {}}};
  if (sourceIDs.size() != targetIDs.size() || !AllIn(sourceIDs, source) || !AllIn(targetIDs, target)) {
    change.result = Failed(kCopyFailedMessage);
    return change;
  }
  try {
    change.step.before = Gather(target, targetIDs);
    change.step.after = Gather(source, sourceIDs);
  } catch (const std::bad_alloc&) {
    change.result = Failed(kCopyFailedMessage);
    return change;
  }
  change.result = CopyUPs(source, sourceIDs, target, targetIDs);
  return change;
}

TransferChange InsertUPsStep(const UPFile& source, const std::vector<int>& sourceIDs, UPFile& target, int position) {
  return AddedStep(source, sourceIDs, position, "Insert", kInsertFailedMessage, [&] { return InsertUPs(source, sourceIDs, target, position); });
}

TransferChange AppendUPsStep(const UPFile& source, const std::vector<int>& sourceIDs, UPFile& target) {
  return AddedStep(source, sourceIDs, target.count, "Append", kAppendFailedMessage, [&] { return AppendUPs(source, sourceIDs, target); });
}

TransferChange DeleteUPsStep(UPFile& file, std::vector<int> ids) {
  std::sort(ids.begin(), ids.end());
  ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
  TransferChange change{{}, {FileStep::Kind::Remove, CountOfUPs("Delete", ids.size()), ids, {}, {}, {}}};
  try {
    if (AllIn(ids, file)) change.step.before = Gather(file, ids);
  } catch (const std::bad_alloc&) {
    change.result = Failed(kDeleteFailedMessage);
    return change;
  }
  change.result = DeleteUPs(file, std::move(ids));
  return change;
}

}  // namespace tarnwick
