// SPDX-License-Identifier: GPL-3.0-or-later
// Undo and redo of a set list's changes. A set list is small (a gig's songs), so each step keeps
// the whole list as it was after the change. The history knows its saved state, for the
// unsaved-changes mark.
#pragma once

#include <cstddef>
#include <deque>
#include <vector>

#include "stage/stage_entry.h"

namespace tarnwick {

class StageHistory {
 public:
  static constexpr std::size_t kMaxSteps = 500;

  // A new, opened or saved-as list: the only state, and the saved one.
  void Reset(const std::vector<StageEntry>& entries);
  // The list as it is after a change; redo steps are dropped.
  void Record(const std::vector<StageEntry>& entries);

  bool CanUndo() const { return position_ > 0; }
  bool CanRedo() const { return position_ + 1 < states_.size(); }
  // The list one step back or forward (the current one when there is none).
  const std::vector<StageEntry>& Undo();
  const std::vector<StageEntry>& Redo();

  void MarkSaved() { saved_ = static_cast<std::ptrdiff_t>(position_); }
  bool Modified() const { return saved_ != static_cast<std::ptrdiff_t>(position_); }

 private:
  std::deque<std::vector<StageEntry>> states_{std::vector<StageEntry>{}};
  std::size_t position_ = 0;
  std::ptrdiff_t saved_ = 0;  // -1 once the saved state has been dropped
};

}  // namespace tarnwick
