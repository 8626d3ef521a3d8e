// SPDX-License-Identifier: GPL-3.0-or-later
// Moving whole UP records between the two open files: Copy over a selection, Insert before a UP,
// Append at the end, and Delete. Records are copied byte for byte; each operation either
// completes or leaves the target exactly as it was, and reports why in the latter case.
#pragma once

#include <string>
#include <vector>

#include "updata/file_history.h"
#include "updata/up_file.h"

namespace tarnwick {

struct TransferResult {
  bool ok = false;
  std::string message;  // for the user when !ok; empty when there is nothing to say
  explicit operator bool() const { return ok; }
};

inline constexpr char kInsertLimitMessage[] = "More than 65535 ID's - Insert Failed";
inline constexpr char kInsertFailedMessage[] = "Insert Failed";
inline constexpr char kAppendLimitMessage[] = "More than 65535 ID's - Append Failed";
inline constexpr char kAppendFailedMessage[] = "Append Failed";
inline constexpr char kCopyFailedMessage[] = "Copy Failed";
inline constexpr char kDeleteFailedMessage[] = "Delete Failed";

// The k-th source ID overwrites the k-th target ID; both lists must be equally long.
TransferResult CopyUPs(const UPFile& source, const std::vector<int>& sourceIDs, UPFile& target,
                       const std::vector<int>& targetIDs);

// The source UPs, in the given order, go in before the UP at `position` (0..target.count); the
// target's UPs from there on move up by their number.
TransferResult InsertUPs(const UPFile& source, const std::vector<int>& sourceIDs, UPFile& target,
                         int position);

TransferResult AppendUPs(const UPFile& source, const std::vector<int>& sourceIDs, UPFile& target);

// Removes the given IDs (any order, repeats allowed); the others close up in their order.
TransferResult DeleteUPs(UPFile& file, std::vector<int> ids);

// The same four transfers as changes that can be undone: on success, `step` holds what the
// transfer changed in its target ("Copy of 3 UPs", ...), ready for the target's history.
struct TransferChange {
  TransferResult result;
  FileStep step;
};
TransferChange CopyUPsStep(const UPFile& source, const std::vector<int>& sourceIDs, UPFile& target,
                           const std::vector<int>& targetIDs);
TransferChange InsertUPsStep(const UPFile& source, const std::vector<int>& sourceIDs, UPFile& target, int position);
TransferChange AppendUPsStep(const UPFile& source, const std::vector<int>& sourceIDs, UPFile& target);
TransferChange DeleteUPsStep(UPFile& file, std::vector<int> ids);

}  // namespace tarnwick
