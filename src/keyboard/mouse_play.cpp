// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyboard/mouse_play.h"

#include "keyboard/key_geometry.h"
#include "keyboard/key_texts.h"

namespace tarnwick {

std::optional<MousePlay::NoteOn> MousePlay::press(int button, int note, double y) {
  if (held_ || button == 0 || note < 0 || note >= kKeyCount) return std::nullopt;
  held_ = Held{button, note};
  return NoteOn{note, VelocityFromPress(y)};
}

std::optional<int> MousePlay::release(int button) {
  if (!held_ || held_->button != button) return std::nullopt;
  const int note = held_->note;
  held_.reset();
  return note;
}

std::optional<int> MousePlay::releaseHeld() {
  if (!held_) return std::nullopt;
  return release(held_->button);
}

std::optional<int> MousePlay::heldNote() const {
  if (!held_) return std::nullopt;
  return held_->note;
}

}  // namespace tarnwick
