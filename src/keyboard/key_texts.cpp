// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyboard/key_texts.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace tarnwick {

std::string NoteName(int note) {
  static constexpr std::array<const char*, 12> kNames{"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};
  const int n = std::clamp(note, 0, 127);
  return std::string(kNames[n % 12]) + std::to_string(n / 12 - 1);
}

std::string PanToString(int pan) {
  if (pan == 0) return "Rnd";
  if (pan == 64) return "0";
  if (pan < 64) return "L" + std::to_string(64 - pan);
  return "R" + std::to_string(pan - 64);
}

std::uint8_t VelocityFromPress(double y) {
  // Halves round to even, as the instrument's tools always rounded.
  const double rounded = std::nearbyint(std::clamp(y, 0.0, 128.0));
  return static_cast<std::uint8_t>(std::clamp(127 - static_cast<int>(rounded), 1, 127));
}

KeyColor NormalisedKeyColor(int stored) {
  return stored >= 0 && stored <= 2 ? static_cast<KeyColor>(stored) : KeyColor::Green;
}

Rgb VelocityColor(KeyColor color, int velocity) {
  const int v = std::clamp(velocity, 0, 127);
  const int strong = std::clamp(256 - v, 0, 255);
  const int weak = std::clamp(256 - 2 * v, 0, 255);
  switch (color) {
    case KeyColor::Red:
      return {strong, weak, weak};
    case KeyColor::Blue:
      return {weak, weak, strong};
    case KeyColor::Green:
    default:
      return {weak, strong, weak};
  }
}

}  // namespace tarnwick
