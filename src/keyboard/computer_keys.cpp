// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyboard/computer_keys.h"

#include <Qt>
#include <algorithm>
#include <array>

#include "keyboard/key_geometry.h"

namespace tarnwick {
namespace {

// The playing keys, in semitones from the first note.
constexpr std::array<int, 17> kPlayingKeys = {Qt::Key_A, Qt::Key_W, Qt::Key_S, Qt::Key_E, Qt::Key_D, Qt::Key_F,
                                              Qt::Key_T, Qt::Key_G, Qt::Key_Y, Qt::Key_H, Qt::Key_U, Qt::Key_J,
                                              Qt::Key_K, Qt::Key_O, Qt::Key_L, Qt::Key_P, Qt::Key_Semicolon};
constexpr int kOctave = 12;
constexpr int kLowestFirstNote = 0;
constexpr int kHighestFirstNote = 120;  // C9: the octave's C is still a key
constexpr int kMinVelocity = 1;         // 0 would be a note-off on the wire
constexpr int kMaxVelocity = 127;

std::optional<int> SemitoneOf(int key) {
  const auto found = std::find(kPlayingKeys.begin(), kPlayingKeys.end(), key);
  if (found == kPlayingKeys.end()) return std::nullopt;
  return static_cast<int>(found - kPlayingKeys.begin());
}

}  // namespace

bool ComputerKeys::handles(int key) {
  return SemitoneOf(key) || key == Qt::Key_Z || key == Qt::Key_X || key == Qt::Key_C || key == Qt::Key_V;
}

std::optional<ComputerKeys::NoteOn> ComputerKeys::press(int key) {
  switch (key) {
    case Qt::Key_Z: firstNote_ = std::max(kLowestFirstNote, firstNote_ - kOctave); return std::nullopt;
    case Qt::Key_X: firstNote_ = std::min(kHighestFirstNote, firstNote_ + kOctave); return std::nullopt;
    case Qt::Key_C: velocity_ = std::max(kMinVelocity, velocity_ - kVelocityStep); return std::nullopt;
    case Qt::Key_V: velocity_ = std::min(kMaxVelocity, velocity_ + kVelocityStep); return std::nullopt;
    default: break;
  }
  const std::optional<int> semitone = SemitoneOf(key);
  if (!semitone || held_.count(key) != 0) return std::nullopt;
  const int note = firstNote_ + *semitone;
  if (note < 0 || note >= kKeyCount) return std::nullopt;
  held_[key] = note;
  return NoteOn{note, static_cast<std::uint8_t>(velocity_)};
}

std::optional<int> ComputerKeys::release(int key) {
  const auto found = held_.find(key);
  if (found == held_.end()) return std::nullopt;
  const int note = found->second;
  held_.erase(found);
  return note;
}

std::vector<int> ComputerKeys::releaseAll() {
  std::vector<int> notes;
  for (const auto& [key, note] : held_) notes.push_back(note);
  held_.clear();
  return notes;
}

}  // namespace tarnwick
