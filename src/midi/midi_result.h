// SPDX-License-Identifier: GPL-3.0-or-later
// Result codes of the MIDI service and the texts shown for them. 0 is success; every other code
// has a text, so that no failure is ever shown as an empty box.
#pragma once

#include <string>

namespace tarnwick {

enum MidiResult : int {
  kMidiOk = 0,
  kMidiErrUnknown = 1,    // the MIDI system failed without saying why
  kMidiErrBadDevice = 2,      // the device number is not in the current list
  kMidiErrInvalidHandle = 5,  // the port handle is not (or no longer) open
  kMidiErrNoSystem = 6,       // neither an ALSA sequencer nor a JACK server is reachable
  kMidiErrNoMemory = 7,
  kMidiErrDeviceGone = 10,    // the device was listed but has disappeared since
  kMidiErrRefused = 11,       // the MIDI system refused to open or use the port
  kMidiErrSystemGone = 12,    // the MIDI system the port was open on has gone away
};

// The text for `code`: empty for kMidiOk, a sentence for every other value (unknown codes
// included).
std::string MidiResultText(int code);

}  // namespace tarnwick
