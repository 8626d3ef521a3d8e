#include "midi/midi_message.h"

namespace tarnwick {

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
