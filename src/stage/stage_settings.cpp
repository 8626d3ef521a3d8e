// SPDX-License-Identifier: GPL-3.0-or-later
#include "stage/stage_settings.h"

#include "state/settings_store.h"

namespace tarnwick {
namespace {

const SettingKey<QString> kSetListPath{"Stage", "SetListPath", {}};
const SettingKey<QString> kNextTrigger{"Stage", "NextTrigger", {}};
const SettingKey<QString> kPreviousTrigger{"Stage", "PreviousTrigger", {}};
constexpr SettingKey<bool> kDark{"Stage", "Dark", false};

StageTrigger ReadTrigger(const SettingsStore& store, const SettingKey<QString>& key) {
  return ParseTrigger(store.read(key)).value_or(StageTrigger{});
}

}  // namespace

StageSettings ReadStageSettings(const SettingsStore& store) {
  return {store.read(kSetListPath), ReadTrigger(store, kNextTrigger), ReadTrigger(store, kPreviousTrigger),
          store.read(kDark)};
}

void WriteStageSettings(SettingsStore& store, const StageSettings& settings) {
  store.write(kSetListPath, settings.setListPath);
  store.write(kNextTrigger, TriggerText(settings.next));
  store.write(kPreviousTrigger, TriggerText(settings.previous));
  store.write(kDark, settings.dark);
}

}  // namespace tarnwick
