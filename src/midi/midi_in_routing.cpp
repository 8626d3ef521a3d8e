// SPDX-License-Identifier: GPL-3.0-or-later
#include "midi/midi_in_routing.h"

#include "midi/midi_message.h"

namespace tarnwick {

IncomingMessage DecodeIncoming(std::uint32_t packed) {
  IncomingMessage message;
  const std::uint8_t status = StatusOf(packed);
  message.channel = status & 0x0F;
  message.data1 = Data1Of(packed);
  message.data2 = Data2Of(packed);
  using Kind = IncomingMessage::Kind;
  switch (status >> 4) {
    case 0x8:
      // A note-off ends its note whatever its release velocity: handed on as a note-on with
      // velocity 0, so that the keyboard never takes the release velocity for a new note.
      message.kind = Kind::Note;
      message.data2 = 0;
      break;
    case 0x9:
      message.kind = Kind::Note;
      break;
    case 0xB:
      message.kind = message.data1 == 0 ? Kind::BankMSB : message.data1 == 32 ? Kind::BankLSB : Kind::Control;
      break;
    case 0xC:
      message.kind = Kind::Program;
      break;
    default:
      message.kind = Kind::Ignored;
      break;
  }
  return message;
}

Receiver ReceiverFor(IncomingMessage::Kind kind, View view) {
  using Kind = IncomingMessage::Kind;
  switch (kind) {
    case Kind::Note:
      return Receiver::Keyboard;
    case Kind::Control:
      if (view == View::Tone) return Receiver::Monitor;
      if (view == View::Keyboard) return Receiver::Keyboard;
      if (view == View::Stage) return Receiver::Stage;
      return Receiver::None;
    case Kind::Program:
      if (view == View::Tone) return Receiver::Monitor;
      if (view == View::UPFile) return Receiver::UPFile;
      if (view == View::Stage) return Receiver::Stage;
      return Receiver::None;
    default:
      return Receiver::None;
  }
}

}  // namespace tarnwick
