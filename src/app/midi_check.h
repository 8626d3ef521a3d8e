// The MIDI check of the start-up: the ports that were open at the last exit are opened again.
#pragma once

namespace tarnwick {

class MidiApi;
struct MidiSettings;

// The value a port status setting has when the port was never configured.
inline constexpr int kPortNeverConfigured = -1;

// Works through MIDI In, then MIDI Out: a status of 0 leaves the port closed, -1 (never
// configured) asks for the setup, any other value opens the port on its chosen device, and an
// open that fails asks for the setup too. Returns whether the MIDI setup dialog is needed.
// Shows no message.
bool ReopenMidiPorts(MidiApi& midi, const MidiSettings& settings, int inStatus, int outStatus);

}  // namespace tarnwick
