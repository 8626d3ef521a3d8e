// SPDX-License-Identifier: GPL-3.0-or-later
// A short MIDI message in its packed form: status + data1 × 256 + data2 × 65536, the form in
// which messages travel between the MIDI layer, the service and the input handler.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace tarnwick {

inline constexpr std::uint8_t kStatusTimingClock = 0xF8;
inline constexpr std::uint8_t kStatusStart = 0xFA;
inline constexpr std::uint8_t kStatusStop = 0xFC;
inline constexpr std::uint8_t kStatusActiveSensing = 0xFE;

constexpr std::uint32_t PackShortMessage(std::uint8_t status, std::uint8_t data1, std::uint8_t data2) {
  return static_cast<std::uint32_t>(status) | (static_cast<std::uint32_t>(data1) << 8) |
         (static_cast<std::uint32_t>(data2) << 16);
}

constexpr std::uint8_t StatusOf(std::uint32_t packed) { return packed & 0xFF; }
constexpr std::uint8_t Data1Of(std::uint32_t packed) { return (packed >> 8) & 0xFF; }
constexpr std::uint8_t Data2Of(std::uint32_t packed) { return (packed >> 16) & 0xFF; }

// How many bytes the message with this status byte takes on the wire: 1 for real-time and the
// other one-byte system messages, 2 for program change, channel pressure, MTC quarter frame and
// song select, 3 for the rest. A data byte given as status (below 0x80) counts as 1.
constexpr int ShortMessageLength(std::uint8_t status) {
  if (status < 0x80) return 1;
  if (status < 0xF0) {
    const int kind = status & 0xF0;
    return (kind == 0xC0 || kind == 0xD0) ? 2 : 3;
  }
  switch (status) {
    case 0xF1:
    case 0xF3:
      return 2;
    case 0xF2:
      return 3;
    default:
      return 1;
  }
}

// Whether a packed message is one the instrument can have sent: a status byte of 0x80 or more and
// data bytes below 0x80, as many as its status calls for (the bytes past its length are not read).
constexpr bool IsWellFormedShortMessage(std::uint32_t packed) {
  const std::uint8_t status = StatusOf(packed);
  if (status < 0x80 || status == 0xF0 || status == 0xF7) return false;
  const int length = ShortMessageLength(status);
  if (length > 1 && Data1Of(packed) >= 0x80) return false;
  if (length > 2 && Data2Of(packed) >= 0x80) return false;
  return true;
}

// The one message a MIDI system delivered as `size` bytes, packed. A short message only when the
// bytes are exactly one well-formed message; false otherwise (`packed` is then 0).
bool PackReceivedBytes(const unsigned char* bytes, std::size_t size, std::uint32_t& packed);

// The bytes as they go on the wire, in upper-case hex separated by blanks: "BC 00 79", "CC 02",
// "FA".
std::string FormatShortMessage(std::uint32_t packed);

}  // namespace tarnwick
