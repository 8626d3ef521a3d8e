// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyboard/keyboard_settings.h"

#include "state/settings_store.h"
#include "keyboard/key_geometry.h"

namespace tarnwick {

KeyboardSettings ReadKeyboardSettings(const SettingsStore& store) {
  KeyboardSettings settings;
  settings.midiInMode = NormalisedMidiInMode(store.read(key::Keyboard_MidiIn_To_KeyboardMode));
  settings.keyboardToMidiOut = store.read(key::Keyboard_To_MidiOut);
  const int channel = store.read(key::Keyboard_CurChannel);
  settings.curChannel = channel >= 0 && channel <= 15 ? channel : key::Keyboard_CurChannel.defaultValue;
  settings.whiteKeyPixels = NormalisedWhiteKeyPixels(store.read(key::Keyboard_WhiteKeyWidth));
  settings.keyColor = NormalisedKeyColor(store.read(key::Keyboard_KeyColor));
  return settings;
}

void WriteKeyboardSettings(SettingsStore& store, const KeyboardSettings& settings) {
  store.write(key::Keyboard_MidiIn_To_KeyboardMode, static_cast<std::int16_t>(settings.midiInMode));
  store.write(key::Keyboard_To_MidiOut, settings.keyboardToMidiOut);
  store.write(key::Keyboard_WhiteKeyWidth, static_cast<double>(settings.whiteKeyPixels));
  store.write(key::Keyboard_KeyColor, static_cast<std::int16_t>(settings.keyColor));
}

}  // namespace tarnwick
