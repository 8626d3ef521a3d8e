// SPDX-License-Identifier: GPL-3.0-or-later
// The settings of the Tone view: sections "Tone" (tone browser and program change monitor) and
// "DrumSet" (drum set browser), read when the windows are made and written when they close.
#pragma once

namespace tarnwick {

class SettingsStore;

struct BrowserSettings {
  int markPos = 1;  // 0 no level mark, 1 before the name, 2 after it
  bool showPlus = true;
  bool gridToMidiOut = true;
  int channel = 3;  // 0-based
};

// A stored value the windows cannot show (a mark position out of range, a channel without an
// option in the window, such as the drum channel for tones) reads as its default.
BrowserSettings ReadBrowserSettings(const SettingsStore& store, bool drumSets);
void WriteBrowserSettings(SettingsStore& store, bool drumSets, const BrowserSettings& settings);

bool ReadMonitorOn(const SettingsStore& store);
void WriteMonitorOn(SettingsStore& store, bool checked);

}  // namespace tarnwick
