// SPDX-License-Identifier: GPL-3.0-or-later
// Notes played with the mouse: the button that starts a note owns it, and its release ends that
// note wherever the pointer is by then. A second button pressed while a note sounds starts none,
// so every note-on sent from the keyboard is followed by exactly one note-off.
#pragma once

#include <cstdint>
#include <optional>

namespace tarnwick {

class MousePlay {
 public:
  struct NoteOn {
    int note = 0;
    std::uint8_t velocity = 0;
  };

  // A press of `button` (any non-zero id) on `note` at `y` of the key's 0..128 scale. The note-on
  // to send, or nothing while another note is held.
  std::optional<NoteOn> press(int button, int note, double y);
  // A release of `button`: the note to end, or nothing when this button started none.
  std::optional<int> release(int button);
  // The held note, whichever button holds it, when the button's release can no longer come (the
  // view is hidden); nothing when no note is held.
  std::optional<int> releaseHeld();
  // Forgets the held note (the keys were reset and All Sound Off sent).
  void forget() { held_.reset(); }
  std::optional<int> heldNote() const;

 private:
  struct Held {
    int button = 0;
    int note = 0;
  };
  std::optional<Held> held_;
};

}  // namespace tarnwick
