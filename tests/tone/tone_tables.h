// SPDX-License-Identifier: GPL-3.0-or-later
// Small name tables written entry by entry, so that the tests know every bank and name.
#pragma once

#include <string>

#include "lists/name_lists.h"

namespace tarnwick::testing {

inline ToneEntry Entry(int msb, int lsb, int program, const std::string& name) {
  ToneEntry entry;
  entry.msb = static_cast<std::uint8_t>(msb);
  entry.lsb = static_cast<std::uint8_t>(lsb);
  entry.program = static_cast<std::uint8_t>(program);
  entry.name = name + std::string(12 - name.size(), ' ');
  return entry;
}

// Tones: 0 Piano 1 (0/1/1), 1 Piano 2 (0/2/2), 2 Organ (8/3/17), 3 Top (0/0/128), 4 plus tone
// (126/1/5), 5 Piano 1 again (16/1/1); the rest of the 2038 stay unset (empty names, 0/0/0).
// Drum sets: 0 Standard (0/0/1), 1 a plus drum set (0/0/128).
inline NameTables SmallTables() {
  NameTables tables;
  tables.tones[0] = Entry(0, 1, 1, "Piano 1");
  tables.tones[1] = Entry(0, 2, 2, "Piano 2");
  tables.tones[2] = Entry(8, 3, 17, "Organ 1");
  tables.tones[3] = Entry(0, 0, 128, "Top");
  tables.tones[4] = Entry(126, 1, 5, "Plus Pad");
  tables.tones[5] = Entry(16, 1, 1, "Piano 1w");
  tables.drumSets[0] = Entry(0, 0, 1, "Standard");
  tables.drumSets[1] = Entry(0, 0, 128, "Plus Kit");
  IndexNameTables(tables);
  return tables;
}

// The small tables with every tone named as in the shipped list, where the last 44 slots stay
// unused; one name is as wide as a name can be.
inline NameTables FullTables() {
  NameTables tables = SmallTables();
  constexpr std::size_t kUnusedSlots = 44;
  for (std::size_t i = 6; i + kUnusedSlots < tables.tones.size(); ++i) {
    tables.tones[i] = Entry(90, 3, 40, "Tone " + std::to_string(i));
  }
  tables.tones[7] = Entry(90, 3, 40, "WWWWWWWWWWWW");
  IndexNameTables(tables);
  return tables;
}

}  // namespace tarnwick::testing
