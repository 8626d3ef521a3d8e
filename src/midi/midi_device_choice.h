// SPDX-License-Identifier: GPL-3.0-or-later
// Which entry the setup dialog's device lists select when they are filled, from the device number
// kept in the settings; on the first run (never chosen) the first device named "extern".
#pragma once

#include <string>
#include <vector>

#include "midi/midi_service.h"

namespace tarnwick {

struct DeviceChoice {
  int row = -1;  // the list entry to select; -1 for none
  int device;    // the device number to keep in the settings afterwards
};

// `devices` in device-number order. -3 selects nothing; a number in the list selects its entry;
// -2 (never chosen) selects the first name containing "extern" (lower case, as the instrument's
// MIDI interfaces are named), or nothing and -3 when there is none; any other number selects
// nothing and is kept.
DeviceChoice ChooseInDevice(int stored, const std::vector<MidiInCaps>& devices);

// `devices` in device-number order with the virtual port as the last entry. As for inputs, but -1
// selects the last entry, and on the first run only an output port (technology 1) named "extern"
// is taken, never a synthesizer.
DeviceChoice ChooseOutDevice(int stored, const std::vector<MidiOutCaps>& devices);

// The output device number of a list entry: its position, or -1 for the last (the virtual port).
int OutDeviceForRow(int row, int rowCount);

}  // namespace tarnwick
