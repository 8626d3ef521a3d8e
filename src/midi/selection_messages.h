// SPDX-License-Identifier: GPL-3.0-or-later
// How each window turns what the user selected into the numbers of the messages it sends: the
// UP select, the tone and drum set select, the part switches, the arranger divisions and the free
// bank/program send. Plain functions and tables; MidiApi sends them.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "state/midi_types.h"
#include "updata/up_record.h"

namespace tarnwick {

struct BankProgram {
  std::uint8_t msb = 0;
  std::uint8_t lsb = 0;
  MidiProgramNumber program;
  friend bool operator==(const BankProgram&, const BankProgram&) = default;
};

// The UPs the instrument can select: IDs 0..191 (A11..C88).
inline constexpr int kSelectableUPCount = 192;

// Bank 120 for UPs 0..127, 121 for 128..191, LSB 0, program = ID mod 128; nothing outside 0..191.
std::optional<BankProgram> UPSelect(int upId);

// The UP a received UP select names, as the instrument reports it: bank 120 gives ID = program,
// bank 121 gives ID = 128 + program for programs 0..63. Nothing for another bank, nor for bank 121
// with a program past C88. The bank LSB plays no part.
std::optional<int> UPFromSelect(std::uint8_t msb, MidiProgramNumber program);
// Bank 120 or 121: the program change that follows is a UP select, whether or not it names a UP.
constexpr bool IsUPSelectBank(int msb) { return msb == 120 || msb == 121; }

// A row of the tone or drum set browser: the list counts programs from 1, the message from 0.
BankProgram ToneSelect(std::uint8_t msb, std::uint8_t lsb, int programFromOne);

// The free send of the keyboard window: each box value rounded to a whole number (halves to
// even) and kept within 0..127. A value that is no number at all sends 0.
std::uint8_t FreeSendByte(double value);
BankProgram FreeSend(double cc0, double cc32, double pc);

// Part switches: an NRPN on channel 13 (whatever the Basic send channel is) with MSB 0x4F, the
// part's number as LSB and 127 (on) or 0 (off) as data.
struct PartSwitch {
  std::string_view caption;  // "UP1 - Channel 4"
  std::uint8_t number;       // the NRPN LSB
  Part part;
};
inline constexpr MidiChannel kPartSwitchChannel = MidiChannel::fromOneBased(13);
inline constexpr std::uint8_t kPartSwitchNrpnMSB = 0x4F;
constexpr std::uint8_t PartSwitchValue(bool on) { return on ? 127 : 0; }

// The sixteen switches in the order of their numbers.
inline constexpr std::array<PartSwitch, 16> kPartSwitches{{
    {"UP1 - Channel 4", 16, kPartUP1},  {"LW1 - Channel 11", 17, kPartLW1},
    {"MBS - Channel 12", 18, kPartMBS}, {"UP2 - Channel 6", 19, kPartUP2},
    {"MDR - Channel 16", 20, kPartMDR}, {"AC5 - Channel 8", 24, kPartAC5},
    {"AC6 - Channel 9", 25, kPartAC6},  {"ADR - Channel 10", 26, kPartADR},
    {"ABS - Channel 2", 27, kPartABS},  {"AC1 - Channel 1", 28, kPartAC1},
    {"AC2 - Channel 3", 29, kPartAC2},  {"AC3 - Channel 5", 30, kPartAC3},
    {"AC4 - Channel 7", 31, kPartAC4},  {"UP3 - Channel 13", 37, kPartUP3},
    {"MI - Channel 15", 38, kPartMI},   {"LW2 - Channel 14", 39, kPartLW2},
}};

// The switch number of a part (Part order), or nothing for a value that is no part.
std::optional<std::uint8_t> PartSwitchNumber(int part);

// Arranger divisions: one program change on the Style send channel.
struct ArrangerDivision {
  std::string_view caption;
  MidiProgramNumber program;
};
inline constexpr std::array<ArrangerDivision, 12> kArrangerDivisions{{
    {"Or-Bsc", MidiProgramNumber::fromZeroBased(0)},  {"Or-Adv", MidiProgramNumber::fromZeroBased(1)},
    {"Va-Bsc", MidiProgramNumber::fromZeroBased(8)},  {"Va-Adv", MidiProgramNumber::fromZeroBased(9)},
    {"TO-Bsc", MidiProgramNumber::fromZeroBased(88)}, {"TO-Adv", MidiProgramNumber::fromZeroBased(89)},
    {"In-Bsc", MidiProgramNumber::fromZeroBased(64)}, {"In-Adv", MidiProgramNumber::fromZeroBased(65)},
    {"Ed-Bsc", MidiProgramNumber::fromZeroBased(72)}, {"Ed-Adv", MidiProgramNumber::fromZeroBased(73)},
    {"TV-Bsc", MidiProgramNumber::fromZeroBased(96)}, {"TV-Adv", MidiProgramNumber::fromZeroBased(97)},
}};

// The program of the division button with this caption, or nothing for an unknown caption.
std::optional<MidiProgramNumber> ArrangerDivisionProgram(std::string_view caption);

}  // namespace tarnwick
