// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyboard/key_states.h"

namespace tarnwick {

MidiInMode NormalisedMidiInMode(int stored) {
  return stored >= 0 && stored <= 2 ? static_cast<MidiInMode>(stored) : MidiInMode::Omni;
}

bool ShowsIncomingNote(MidiInMode mode, int curChannel, int channel) {
  return mode == MidiInMode::Omni || (mode == MidiInMode::Mono && channel == curChannel);
}

bool KeyStates::markChanged(int note) {
  const bool first = changed_.none();
  changed_.set(static_cast<std::size_t>(note));
  return first;
}

bool KeyStates::show(int note, int velocity, KeyColor color) {
  if (!valid(note)) return false;
  const int v = velocity < 0 ? 0 : velocity > 127 ? 127 : velocity;
  velocity_[note] = static_cast<std::uint8_t>(v);
  if (v > 0) {
    litColor_[note] = VelocityColor(color, v);
    lastNote_ = note;
    lastVelocity_ = v;
  }
  return markChanged(note);
}

bool KeyStates::releaseAll() {
  bool first = false;
  for (int note = 0; note < kKeyCount; ++note) {
    if (velocity_[note] == 0) continue;
    velocity_[note] = 0;
    first = markChanged(note) || first;
  }
  return first;
}

int KeyStates::litCount() const {
  int count = 0;
  for (const std::uint8_t v : velocity_) count += v > 0 ? 1 : 0;
  return count;
}

Rgb KeyStates::colorOf(int note) const {
  if (!valid(note)) return kWhiteKeyColor;
  if (velocity_[note] > 0) return litColor_[note];
  return IsBlackKey(note) ? kBlackKeyColor : kWhiteKeyColor;
}

std::bitset<kKeyCount> KeyStates::takeChanged() {
  const std::bitset<kKeyCount> taken = changed_;
  changed_.reset();
  return taken;
}

}  // namespace tarnwick
