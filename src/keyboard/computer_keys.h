// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard played from the computer keyboard, as many music programs do it: the row
// A S D F G H J K L ; plays white keys and the row above it (W E T Y U O P) the black keys, from
// C up to the E above; Z and X shift the octave down and up, C and V lower and raise the
// velocity. Each key held plays one note, and its release ends that very note, even when the
// octave has moved in between.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <vector>

namespace tarnwick {

class ComputerKeys {
 public:
  static constexpr int kDefaultFirstNote = 60;  // A plays C4
  static constexpr int kDefaultVelocity = 100;
  static constexpr int kVelocityStep = 10;

  struct NoteOn {
    int note = 0;
    std::uint8_t velocity = 0;
  };

  // A key went down (`key` is the Qt key code; repeats are the caller's to drop). The note to
  // start, or nothing for a key that plays none, is already held, or would leave 0..127.
  // Z, X, C and V change the octave or velocity here and start nothing.
  std::optional<NoteOn> press(int key);
  // A key came up: the note it started, or nothing.
  std::optional<int> release(int key);
  // Every note still held, now ended (the view lost the focus or was hidden).
  std::vector<int> releaseAll();
  // Whether `key` is one of the keys this class plays or steers with.
  static bool handles(int key);

  int firstNote() const { return firstNote_; }
  int velocity() const { return velocity_; }

 private:
  int firstNote_ = kDefaultFirstNote;
  int velocity_ = kDefaultVelocity;
  std::map<int, int> held_;  // key -> note
};

}  // namespace tarnwick
