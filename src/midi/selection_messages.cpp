// SPDX-License-Identifier: GPL-3.0-or-later
#include "midi/selection_messages.h"

#include <cmath>

namespace tarnwick {

std::optional<BankProgram> UPSelect(int upId) {
  if (upId < 0 || upId >= kSelectableUPCount) return std::nullopt;
  BankProgram select;
  select.msb = upId < 128 ? 120 : 121;
  select.lsb = 0;
  select.program = MidiProgramNumber::fromZeroBased(upId & 0x7F);
  return select;
}

std::optional<int> UPFromSelect(std::uint8_t msb, MidiProgramNumber program) {
  const int number = program.zeroBased();
  if (msb == 120) return number;
  if (msb == 121 && 128 + number < kSelectableUPCount) return 128 + number;
  return std::nullopt;
}

BankProgram ToneSelect(std::uint8_t msb, std::uint8_t lsb, int programFromOne) {
  BankProgram select;
  select.msb = msb & 0x7F;
  select.lsb = lsb & 0x7F;
  select.program = MidiProgramNumber::fromOneBased(programFromOne);
  return select;
}

std::uint8_t FreeSendByte(double value) {
  if (std::isnan(value)) return 0;
  // Clamped before rounding, so that no value, however large, overflows the conversion.
  const double clamped = std::fmin(std::fmax(value, 0.0), 127.0);
  return static_cast<std::uint8_t>(static_cast<int>(std::nearbyint(clamped)) & 0x7F);
}

BankProgram FreeSend(double cc0, double cc32, double pc) {
  BankProgram select;
  select.msb = FreeSendByte(cc0);
  select.lsb = FreeSendByte(cc32);
  select.program = MidiProgramNumber::fromZeroBased(FreeSendByte(pc));
  return select;
}

std::optional<std::uint8_t> PartSwitchNumber(int part) {
  for (const PartSwitch& entry : kPartSwitches) {
    if (entry.part == part) return entry.number;
  }
  return std::nullopt;
}

std::optional<MidiProgramNumber> ArrangerDivisionProgram(std::string_view caption) {
  for (const ArrangerDivision& division : kArrangerDivisions) {
    if (division.caption == caption) return division.program;
  }
  return std::nullopt;
}

}  // namespace tarnwick
