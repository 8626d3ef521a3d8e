// SPDX-License-Identifier: GPL-3.0-or-later
#include "stage/stage_history.h"

namespace tarnwick {

void StageHistory::Reset(const std::vector<StageEntry>& entries) {
  states_.assign(1, entries);
  position_ = 0;
  saved_ = 0;
}

void StageHistory::Record(const std::vector<StageEntry>& entries) {
  states_.resize(position_ + 1);
  if (saved_ > static_cast<std::ptrdiff_t>(position_)) saved_ = -1;
  states_.push_back(entries);
  ++position_;
  if (states_.size() <= kMaxSteps) return;
  states_.pop_front();
  --position_;
  saved_ = saved_ > 0 ? saved_ - 1 : -1;
}

const std::vector<StageEntry>& StageHistory::Undo() {
  if (CanUndo()) --position_;
  return states_[position_];
}

const std::vector<StageEntry>& StageHistory::Redo() {
  if (CanRedo()) ++position_;
  return states_[position_];
}

}  // namespace tarnwick
