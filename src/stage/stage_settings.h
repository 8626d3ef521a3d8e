// SPDX-License-Identifier: GPL-3.0-or-later
// The "Stage" settings: the last set list, the two foot switch triggers and the dark stage look.
// Read when the view is made, written when it is unloaded.
#pragma once

#include <QString>

#include "stage/stage_trigger.h"

namespace tarnwick {

class SettingsStore;

struct StageSettings {
  QString setListPath;
  StageTrigger next;
  StageTrigger previous;
  bool dark = false;
};

// A trigger text that is not a trigger reads as none.
StageSettings ReadStageSettings(const SettingsStore& store);
void WriteStageSettings(SettingsStore& store, const StageSettings& settings);

}  // namespace tarnwick
