// The MIDI choices the user makes in the setup dialog and that persist between runs.
#pragma once

#include "midi/midi_types.h"

namespace tarnwick {

inline constexpr int kMidiMapperDevice = -1;   // output only: the virtual "Tarnwick" port
inline constexpr int kMidiDeviceNotChosen = -2;
inline constexpr int kMidiNoDevice = -3;

struct MidiSettings {
  int inDevice = kMidiDeviceNotChosen;   // MidiInSelDev
  int outDevice = kMidiDeviceNotChosen;  // MidiOutSelDev
  MidiChannel basicTx = MidiChannel::fromZeroBased(12);  // Basic_Channel_TX
  MidiChannel basicRx = MidiChannel::fromZeroBased(12);  // Basic_Channel_RX
  MidiChannel styleTx = MidiChannel::fromZeroBased(9);   // Style_Channel_TX
  MidiChannel styleRx = MidiChannel::fromZeroBased(9);   // Style_Channel_RX
};

}  // namespace tarnwick
