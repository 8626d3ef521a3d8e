// SPDX-License-Identifier: GPL-3.0-or-later
#include "stage/stage_stepping.h"

namespace tarnwick {
namespace {

bool Playable(const std::vector<StageEntry>& entries, int row) {
  return row >= 0 && row < static_cast<int>(entries.size()) &&
         entries[static_cast<std::size_t>(row)].state != EntryState::Missing;
}

// The first playable row from `row` on, going by `direction`, or -1.
int Seek(const std::vector<StageEntry>& entries, int row, int direction) {
  for (; row >= 0 && row < static_cast<int>(entries.size()); row += direction) {
    if (Playable(entries, row)) return row;
  }
  return -1;
}

}  // namespace

int PlayableFrom(const std::vector<StageEntry>& entries, int row) { return Seek(entries, row, 1); }

StepResult StepFrom(const std::vector<StageEntry>& entries, int current, StepKind kind) {
  const int last = static_cast<int>(entries.size()) - 1;
  switch (kind) {
    case StepKind::First: return {Seek(entries, 0, 1), false};
    case StepKind::Last: return {Seek(entries, last, -1), false};
    case StepKind::Next:
    case StepKind::Previous: break;
  }
  const int direction = kind == StepKind::Next ? 1 : -1;
  if (current < 0 || current > last) return {Seek(entries, direction > 0 ? 0 : last, direction), false};
  const int found = Seek(entries, current + direction, direction);
  if (found >= 0) return {found, false};
  return {Playable(entries, current) ? current : Seek(entries, current, -direction), true};
}

}  // namespace tarnwick
