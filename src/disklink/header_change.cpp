// SPDX-License-Identifier: GPL-3.0-or-later
#include "disklink/header_change.h"

namespace tarnwick {

const UPSHeader& HeaderChanges::header(int file) const {
  return data_.files[static_cast<std::size_t>(file)].header;
}

bool HeaderChanges::ChangeFileHeader(int file, const UPSHeader& before, const UPSHeader& after, std::string what) {
  if (file < 0 || file > 1) return false;
  UPSHeader& stored = data_.files[static_cast<std::size_t>(file)].header;
  if (before == after || stored != before) return false;
  stored = after;
  history_[static_cast<std::size_t>(file)].Record(HeaderStep(before, after, std::move(what)));
  if (listener_) listener_(HeaderChange{file, before, after});
  return true;
}

}  // namespace tarnwick
