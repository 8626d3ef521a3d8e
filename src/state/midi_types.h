// SPDX-License-Identifier: GPL-3.0-or-later
// MIDI numbers that are stored 0-based and shown 1-based. The types make the two impossible to
// mix up: construct from the form you hold, ask for the form you need.
#pragma once

#include <algorithm>
#include <cstdint>

namespace tarnwick {

class MidiChannel {
 public:
  constexpr MidiChannel() = default;
  static constexpr MidiChannel fromZeroBased(int n) { return MidiChannel(std::clamp(n, 0, 15)); }
  static constexpr MidiChannel fromOneBased(int n) { return MidiChannel(std::clamp(n - 1, 0, 15)); }
  constexpr std::uint8_t zeroBased() const { return value_; }
  constexpr int oneBased() const { return value_ + 1; }
  friend constexpr bool operator==(MidiChannel, MidiChannel) = default;

 private:
  constexpr explicit MidiChannel(int n) : value_(static_cast<std::uint8_t>(n)) {}
  std::uint8_t value_ = 0;
};

// A program number as sent in a Program Change (0..127); lists and grids show it as 1..128.
class MidiProgramNumber {
 public:
  constexpr MidiProgramNumber() = default;
  static constexpr MidiProgramNumber fromZeroBased(int n) { return MidiProgramNumber(n & 0x7F); }
  static constexpr MidiProgramNumber fromOneBased(int n) { return MidiProgramNumber((n - 1) & 0x7F); }
  constexpr std::uint8_t zeroBased() const { return value_; }
  constexpr int oneBased() const { return value_ + 1; }
  friend constexpr bool operator==(MidiProgramNumber, MidiProgramNumber) = default;

 private:
  constexpr explicit MidiProgramNumber(int n) : value_(static_cast<std::uint8_t>(n)) {}
  std::uint8_t value_ = 0;
};

}  // namespace tarnwick
