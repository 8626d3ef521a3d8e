// SPDX-License-Identifier: GPL-3.0-or-later
// The Properties text of a MIDI device, as the setup dialog shows it: CR LF line ends, values in
// decimal, the channel mask in hex.
#pragma once

#include <cstdint>
#include <string>

#include "midi/midi_service.h"

namespace tarnwick {

std::string InDevicePropertiesText(const MidiInCaps& caps);
std::string OutDevicePropertiesText(const MidiOutCaps& caps);

// A driver version as major.minor from its hundredths: 256 -> "2.56", 250 -> "2.5", 300 -> "3".
std::string DriverVersionText(std::uint32_t version);

}  // namespace tarnwick
