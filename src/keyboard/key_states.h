// SPDX-License-Identifier: GPL-3.0-or-later
// The state of the 128 keys: which are lit, with what velocity and colour, and which have changed
// since the screen last painted them. Every change is recorded at once, so no release is ever
// lost; painting may come later and take many changes at a time (at most once per frame).
#pragma once

#include <array>
#include <bitset>
#include <cstdint>

#include "keyboard/key_geometry.h"
#include "keyboard/key_texts.h"

namespace tarnwick {

// Which incoming notes the keyboard shows.
enum class MidiInMode : std::uint8_t { Off = 0, Omni = 1, Mono = 2 };
MidiInMode NormalisedMidiInMode(int stored);  // anything but 0..2 reads as Omni

// Whether a note arriving on `channel` (0-based) is shown in `mode` with `curChannel` chosen.
bool ShowsIncomingNote(MidiInMode mode, int curChannel, int channel);

class KeyStates {
 public:
  // Lights `note` with `velocity` in `color`, or releases it for velocity 0. Returns true when
  // this is the first change since the last takeChanged(): the moment to ask for a frame.
  bool show(int note, int velocity, KeyColor color);
  // Releases every key. Returns true as show() does.
  bool releaseAll();

  int velocity(int note) const { return valid(note) ? velocity_[note] : 0; }
  bool lit(int note) const { return velocity(note) > 0; }
  int litCount() const;
  // The colour a key shows now: its velocity colour while lit, white or black at rest.
  Rgb colorOf(int note) const;

  // The last key lit, for the read-outs; note -1 before any.
  int lastNote() const { return lastNote_; }
  int lastVelocity() const { return lastVelocity_; }

  // The keys changed since the last call; clears the record.
  std::bitset<kKeyCount> takeChanged();
  bool hasChanges() const { return changed_.any(); }

 private:
  static bool valid(int note) { return note >= 0 && note < kKeyCount; }
  bool markChanged(int note);

  std::array<std::uint8_t, kKeyCount> velocity_{};
  std::array<Rgb, kKeyCount> litColor_{};
  std::bitset<kKeyCount> changed_;
  int lastNote_ = -1;
  int lastVelocity_ = 0;
};

}  // namespace tarnwick
