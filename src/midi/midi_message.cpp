// SPDX-License-Identifier: GPL-3.0-or-later
#include "midi/midi_message.h"

namespace tarnwick {

bool PackReceivedBytes(const unsigned char* bytes, std::size_t size, std::uint32_t& packed) {
  packed = 0;
  if (bytes == nullptr || size == 0 || size > 3) return false;
  if (static_cast<int>(size) != ShortMessageLength(bytes[0])) return false;
  const std::uint32_t candidate =
      PackShortMessage(bytes[0], size > 1 ? bytes[1] : 0, size > 2 ? bytes[2] : 0);
  if (!IsWellFormedShortMessage(candidate)) return false;
  packed = candidate;
  return true;
}

std::string FormatShortMessage(std::uint32_t packed) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  const std::uint8_t bytes[3] = {StatusOf(packed), Data1Of(packed), Data2Of(packed)};
  const int length = ShortMessageLength(bytes[0]);
  std::string text;
  for (int i = 0; i < length; ++i) {
    if (i > 0) text += ' ';
    text += kHex[bytes[i] >> 4];
    text += kHex[bytes[i] & 0x0F];
  }
  return text;
}

}  // namespace tarnwick
