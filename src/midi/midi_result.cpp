// SPDX-License-Identifier: GPL-3.0-or-later
#include "midi/midi_result.h"

namespace tarnwick {

std::string MidiResultText(int code) {
  switch (code) {
    case kMidiOk:
      return {};
    case kMidiErrUnknown:
      return "The MIDI system reported an error it did not explain.";
    case kMidiErrBadDevice:
      return "The MIDI device number is not in the list of devices. Choose the device again in Midi Setup.";
    case kMidiErrInvalidHandle:
      return "The MIDI port is not open.";
    case kMidiErrNoSystem:
      return "No MIDI system is available: there is no ALSA sequencer and no JACK server running.";
    case kMidiErrNoMemory:
      return "There is not enough memory to open the MIDI port.";
    case kMidiErrDeviceGone:
      return "The MIDI device is no longer present. Reconnect it, or choose another device in Midi Setup.";
    case kMidiErrSystemGone:
      return "The MIDI system went away (the JACK server stopped). The MIDI ports are closed: open them again "
             "in Midi Setup once it runs again.";
    case kMidiErrRefused:
      return "The MIDI system refused to open or use the port.";
    default:
      return "MIDI error " + std::to_string(code) + ".";
  }
}

}  // namespace tarnwick
