// SPDX-License-Identifier: GPL-3.0-or-later
// Stepping through a set list on stage: missing entries are passed over, and a step past either
// end stays where it is (the view flashes the entry then).
#pragma once

#include <vector>

#include "stage/stage_entry.h"

namespace tarnwick {

enum class StepKind { Next, Previous, First, Last };

struct StepResult {
  int row = -1;          // the entry to play; -1 when no entry can be played
  bool atEnd = false;    // the step went past an end and stayed
};

StepResult StepFrom(const std::vector<StageEntry>& entries, int current, StepKind kind);

// The first playable entry at or after `row`, or -1.
int PlayableFrom(const std::vector<StageEntry>& entries, int row);

}  // namespace tarnwick
