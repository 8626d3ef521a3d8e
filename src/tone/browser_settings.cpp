// SPDX-License-Identifier: GPL-3.0-or-later
#include "tone/browser_settings.h"

#include <algorithm>

#include "state/settings_store.h"
#include "tone/browser_kind.h"

namespace tarnwick {
namespace {

constexpr int kLastMarkPos = 2;
template <typename Int>
int InRange(const SettingsStore& store, const SettingKey<Int>& k, int last) {
  const int value = store.read(k);
  return value >= 0 && value <= last ? value : k.defaultValue;
}

// A channel the window offers an option for; any other reads as the default, as an unchecked set
// of options would still send on the stored channel.
template <typename Int>
int OfferedChannel(const SettingsStore& store, const SettingKey<Int>& k, const BrowserKind& kind) {
  const int value = store.read(k);
  const bool offered = std::any_of(kind.channels.begin(), kind.channels.end(),
                                   [value](const ChannelOption& option) { return option.channel == value; });
  return offered ? value : k.defaultValue;
}

}  // namespace

BrowserSettings ReadBrowserSettings(const SettingsStore& store, bool drumSets) {
  BrowserSettings settings;
  if (drumSets) {
    settings.markPos = InRange(store, key::DrumSet_MarkPos, kLastMarkPos);
    settings.showPlus = store.read(key::DrumSet_ShowPlus) != 0;
    settings.gridToMidiOut = store.read(key::DrumSet_Grid_To_MidiOut);
    settings.channel = OfferedChannel(store, key::DrumSet_CurChannel, DrumSetBrowserKind());
  } else {
    settings.markPos = InRange(store, key::Tone_MarkPos, kLastMarkPos);
    settings.showPlus = store.read(key::Tone_ShowPlus) != 0;
    settings.gridToMidiOut = store.read(key::Tone_Grid_To_MidiOut);
    settings.channel = OfferedChannel(store, key::Tone_CurChannel, ToneBrowserKind());
  }
  return settings;
}

void WriteBrowserSettings(SettingsStore& store, bool drumSets, const BrowserSettings& settings) {
  const auto showPlus = static_cast<std::int16_t>(settings.showPlus ? 1 : 0);
  const auto channel = static_cast<std::uint8_t>(settings.channel);
  if (drumSets) {
    store.write(key::DrumSet_MarkPos, std::int32_t{settings.markPos});
    store.write(key::DrumSet_ShowPlus, showPlus);
    store.write(key::DrumSet_Grid_To_MidiOut, settings.gridToMidiOut);
    store.write(key::DrumSet_CurChannel, channel);
  } else {
    store.write(key::Tone_MarkPos, std::int32_t{settings.markPos});
    store.write(key::Tone_ShowPlus, showPlus);
    store.write(key::Tone_Grid_To_MidiOut, settings.gridToMidiOut);
    store.write(key::Tone_CurChannel, channel);
  }
}

bool ReadMonitorOn(const SettingsStore& store) { return store.read(key::Tone_MidiIn_PC) != 0; }

void WriteMonitorOn(SettingsStore& store, bool checked) {
  store.write(key::Tone_MidiIn_PC, static_cast<std::int16_t>(checked ? 1 : 0));
}

}  // namespace tarnwick
