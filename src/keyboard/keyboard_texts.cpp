// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyboard/keyboard_texts.h"

namespace tarnwick {

const std::array<CaptionAndTip, 16> kChannelOptions{{
    {"AC1 - Channel 1", "Accompaniment 1 Part"},
    {"ABS - Channel 2", "Accompaniment Bass Part"},
    {"AC2 - Channel 3", "Accompaniment 2 Part"},
    {"UP1 - Channel 4", "Upper 1 Part"},
    {"AC3 - Channel 5", "Accompaniment 3 Part"},
    {"UP2 - Channel 6", "Upper 2 Part"},
    {"AC4 - Channel 7", "Accompaniment 4 Part"},
    {"AC5 - Channel 8", "Accompaniment 5 Part"},
    {"AC6 - Channel 9", "Accompaniment 6 Part"},
    {"ADR - Channel 10", "Accompaniment Drum Part"},
    {"LW1 - Channel 11", "Lower 1 Part"},
    {"MBS - Channel 12", "Manual Bass Part"},
    {"UP3 - Channel 13", "Upper 3 Part"},
    {"LW2 - Channel 14", "Lower 2 Part"},
    {"MI    - Channel 15", "Melody Intelligence Part"},
    {"MDR - Channel 16", "Manual Drum Part"},
}};

const std::array<CaptionAndTip, 3> kMidiInModeOptions{{
    {"OFF", "No Midi In is Shown"},
    {"Omni", "All Midi Channel are Shown"},
    {"Mono", "Only the Above selected Midi Channel is Shown"},
}};

const std::array<const char*, 3> kKeyColorTips{
    "Keys Velocity Color = Red", "Keys Velocity Color = Green", "Keys Velocity Color = Blue"};

const std::array<const char*, 3> kZoneLabels{
    " Outside the EM-2000 Keyboard ", " EM-2000 Keyboard ", " Outside the EM-2000 Keyboard "};

const char* const kKeyboardHelpText =
    " EM-2000 Midi Settings:\r\n"
    "\r\n"
    "  Midi | (Shift)Basic | RX | Channel = A13\r\n"
    "  Midi | (Shift)Basic | RX | Channel = ON\r\n"
    "  Midi | (Shift)Basic | RX | Filter | PartSwtc = ON\r\n"
    "  Midi | (Shift)Basic | RX | Filter | UsrPr PC = ON\r\n"
    "\r\n"
    "  Midi | (Shift)Style | RX | Channel = A10\r\n"
    "  Midi | (Shift)Style | RX | Channel = ON\r\n"
    "  Midi | (Shift)Style | RX | Filter | StylePC = ON\r\n"
    "\r\n"
    "  Or Load the File: 'MIDISET\\EDITOR_1.MDS'\r\n"
    "  And select MIDI SET 1";

}  // namespace tarnwick
