// SPDX-License-Identifier: GPL-3.0-or-later
// What an incoming short message means to this program, and which window gets it in which view.
#pragma once

#include <cstdint>

#include "state/view.h"

namespace tarnwick {

struct IncomingMessage {
  enum class Kind : std::uint8_t {
    Ignored,  // polyphonic and channel pressure, pitch bend, system messages
    Note,     // note-on and note-off alike: data1 note, data2 velocity (0 for a note-off)
    Control,  // a controller other than bank select: data1 controller, data2 value
    BankMSB,  // controller 0: data2 is the bank MSB
    BankLSB,  // controller 32: data2 is the bank LSB
    Program,  // data1 program
  };
  Kind kind = Kind::Ignored;
  std::uint8_t channel = 0;  // 0-based
  std::uint8_t data1 = 0;
  std::uint8_t data2 = 0;
};

// Reads a packed short message (status + data1 × 256 + data2 × 65536).
IncomingMessage DecodeIncoming(std::uint32_t packed);

enum class Receiver : std::uint8_t { None, Keyboard, Monitor, UPFile, Stage };

// Notes go to the keyboard in every view; other controllers to the monitor in the Tone view and to
// the keyboard in the Keyboard view; program changes to the monitor in the Tone view and to the UP
// file window in the User Program view (which takes only UP selects). Bank select is remembered,
// not handed to a window. In the Stage view, controllers and program changes go to the Stage view
// (which also hears the notes, for its foot switch).
Receiver ReceiverFor(IncomingMessage::Kind kind, View view);

}  // namespace tarnwick
