// SPDX-License-Identifier: GPL-3.0-or-later
// The windows that show incoming MIDI: the on-screen keyboard, the program change monitor and the
// UP file window, which follows the UP selected on the instrument.
// MidiApi calls them on the window thread, in the order the messages arrived.
#pragma once

#include <cstdint>

#include "midi/midi_in_routing.h"
#include "state/midi_types.h"

namespace tarnwick {

// The Keyboard view: every note, in every view; other controllers while it is the active view.
class KeyboardReceiver {
 public:
  // A note-off arrives here as a note-on with velocity 0 (its release velocity is dropped).
  virtual void NoteReceived(MidiChannel channel, std::uint8_t note, std::uint8_t velocity) = 0;
  virtual void ControlReceived(MidiChannel channel, std::uint8_t controller, std::uint8_t value) = 0;
  // Incoming messages were lost because the window thread fell behind; the note-offs among them
  // are unknown. Called in the hand-over that follows the loss, where the loss happened.
  virtual void InputOverflowed() {}

 protected:
  ~KeyboardReceiver() = default;
};

// The program change monitor of the Tone view: controllers and program changes while the Tone
// view is active. Bank select never arrives here; MidiApi::MidiInBankMSB / MidiInBankLSB give the
// bank that preceded a program change on its channel.
class MonitorReceiver {
 public:
  virtual void ControlReceived(MidiChannel channel, std::uint8_t controller, std::uint8_t value) = 0;
  virtual void ProgramReceived(MidiChannel channel, MidiProgramNumber program) = 0;

 protected:
  ~MonitorReceiver() = default;
};

// The UP file window: a UP select (bank 120 or 121, then a program change naming UP 0..191) on the
// basic receive channel while the User Program view is active.
class UPSelectReceiver {
 public:
  virtual void UPSelectReceived(int upId) = 0;

 protected:
  ~UPSelectReceiver() = default;
};

// The Stage view: while it is the active view, every note, controller (bank select included) and
// program change, for its foot switch triggers. Notes still reach the keyboard too.
class StageReceiver {
 public:
  virtual void StageMessageReceived(const IncomingMessage& message) = 0;

 protected:
  ~StageReceiver() = default;
};

}  // namespace tarnwick
