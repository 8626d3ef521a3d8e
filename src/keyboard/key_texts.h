// SPDX-License-Identifier: GPL-3.0-or-later
// What the keyboard view writes about notes and pans, and the velocity and colour of a key.
#pragma once

#include <cstdint>
#include <string>

namespace tarnwick {

// "C4" for 60, "C-1" for 0, "G9" for 127.
std::string NoteName(int note);

// 0 "Rnd", 64 "0", below 64 "L" and 64 - pan, above 64 "R" and pan - 64.
std::string PanToString(int pan);

// The velocity of a press at `y` on the key's 0 (top) .. 128 (bottom) scale: the top is loudest.
// Kept within 1..127: a velocity of 0 would be a note-off on the wire and the click would play
// nothing.
std::uint8_t VelocityFromPress(double y);

enum class KeyColor : std::uint8_t { Red = 0, Green = 1, Blue = 2 };
KeyColor NormalisedKeyColor(int stored);  // anything but 0..2 reads as green

struct Rgb {
  int r = 0;
  int g = 0;
  int b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};
inline constexpr Rgb kWhiteKeyColor{255, 255, 255};
inline constexpr Rgb kBlackKeyColor{0, 0, 0};

// The colour of a key lit with `velocity` (1..127): the louder, the deeper the chosen colour.
Rgb VelocityColor(KeyColor color, int velocity);

}  // namespace tarnwick
