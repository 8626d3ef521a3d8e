// SPDX-License-Identifier: GPL-3.0-or-later
// The MIDI choices the user makes in the setup dialog and that persist between runs.
#pragma once

#include <string>

#include "state/midi_types.h"

namespace tarnwick {

inline constexpr int kMidiMapperDevice = -1;   // output only: the virtual "Tarnwick" port
inline constexpr int kMidiDeviceNotChosen = -2;
inline constexpr int kMidiNoDevice = -3;

struct MidiSettings {
  int inDevice = kMidiDeviceNotChosen;   // MidiInSelDev
  int outDevice = kMidiDeviceNotChosen;  // MidiOutSelDev
  // The names of the devices last opened on the two ports (MidiInSelDevName, MidiOutSelDevName):
  // device numbers change between runs when other devices come or go.
  std::string inDeviceName;
  std::string outDeviceName;
  MidiChannel basicTx = MidiChannel::fromZeroBased(12);  // Basic_Channel_TX
  MidiChannel basicRx = MidiChannel::fromZeroBased(12);  // Basic_Channel_RX
  MidiChannel styleTx = MidiChannel::fromZeroBased(9);   // Style_Channel_TX
  MidiChannel styleRx = MidiChannel::fromZeroBased(9);   // Style_Channel_RX
};

}  // namespace tarnwick
