// SPDX-License-Identifier: GPL-3.0-or-later
// The fixed texts of the keyboard view: channel options, modes, colours, widths, zone labels and
// the instrument set-up help.
#pragma once

#include <array>

namespace tarnwick {

struct CaptionAndTip {
  const char* caption;
  const char* tip;
};

// Index = 0-based channel.
extern const std::array<CaptionAndTip, 16> kChannelOptions;
// Index = MidiInMode.
extern const std::array<CaptionAndTip, 3> kMidiInModeOptions;
// Index = KeyColor; the options show no caption, only their colour.
extern const std::array<const char*, 3> kKeyColorTips;
extern const std::array<const char*, 3> kZoneLabels;

inline constexpr char kMidiOutIsOff[] = "(Midi Out = OFF) ";
extern const char* const kKeyboardHelpText;  // lines joined by "\r\n"

}  // namespace tarnwick
