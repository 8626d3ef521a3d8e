// SPDX-License-Identifier: GPL-3.0-or-later
// The MIDI check of the start-up: the ports that were open at the last exit are opened again.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tarnwick {

class MidiApi;
struct MidiSettings;

// The value a port status setting has when the port was never configured.
inline constexpr int kPortNeverConfigured = -1;

// The device to reopen for a stored number and name, given the names the devices have now: the
// stored number while it still names that device (or when no name was stored), else the first
// device of that name; nullopt when no device has the name any more. Negative numbers (the
// virtual port) stand as they are.
std::optional<int> DeviceToReopen(int storedDevice, const std::string& storedName, const std::vector<std::string>& names);

// Works through MIDI In, then MIDI Out: a status of 0 leaves the port closed, -1 (never
// configured) asks for the setup, any other value opens the port on its chosen device (found by
// its name when the numbers have moved, and the number then follows), and a device that is gone
// or an open that fails asks for the setup too. Returns whether the MIDI setup dialog is needed.
// Shows no message.
bool ReopenMidiPorts(MidiApi& midi, MidiSettings& settings, int inStatus, int outStatus);

}  // namespace tarnwick
