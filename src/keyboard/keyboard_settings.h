// SPDX-License-Identifier: GPL-3.0-or-later
// The "Keyboard" settings of the keyboard view: read when the view is made, written when it is
// unloaded. The view's channel is only ever read: it is chosen again on every run.
#pragma once

#include <cstdint>

#include "keyboard/key_states.h"
#include "keyboard/key_texts.h"

namespace tarnwick {

class SettingsStore;

struct KeyboardSettings {
  MidiInMode midiInMode = MidiInMode::Omni;
  bool keyboardToMidiOut = true;
  int curChannel = 3;  // 0-based: channel 4, UP1
  int whiteKeyPixels = 13;
  KeyColor keyColor = KeyColor::Green;
};

// Values outside their choices read as the defaults.
KeyboardSettings ReadKeyboardSettings(const SettingsStore& store);
// Writes all but the channel.
void WriteKeyboardSettings(SettingsStore& store, const KeyboardSettings& settings);

}  // namespace tarnwick
