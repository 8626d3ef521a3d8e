// SPDX-License-Identifier: GPL-3.0-or-later
// Building the four name list files from tab-separated text tables, so that the lists that ship
// with the program, and any a player makes, come from files that can be read and edited.
//
// Tables (UTF-8, one row per line, a header line first, empty lines ignored):
//   tones.tsv     msb<TAB>lsb<TAB>program<TAB>name   program 1..128, name up to 12 characters
//   drumsets.tsv  msb<TAB>lsb<TAB>program<TAB>name   program 1..128, name up to 12 characters
//   styles.tsv    msb<TAB>lsb<TAB>program<TAB>name   program 0..127, name up to 8 characters
//   efx.tsv       index<TAB>name                     index 0..89 in order, name up to 11
// msb and lsb are 0..127. Names must be Windows-1252 characters; they are stored as such.
#pragma once

#include <string>

namespace tarnwick {

inline constexpr char kToneSourceFile[] = "tones.tsv";
inline constexpr char kDrumSetSourceFile[] = "drumsets.tsv";
inline constexpr char kStyleSourceFile[] = "styles.tsv";
inline constexpr char kEFXSourceFile[] = "efx.tsv";

// Reads the four tables of `srcDir` and writes ToneList.dat, DrumSetList.dat, StyleList.dat and
// EFXList.dat into `outDir` (created when missing). Rows fill the list slots in file order; the
// slots left over get blank entries (numbers 0, name all blanks). Nothing is written unless all
// four tables are valid. Returns the empty text on success, otherwise a one-line message naming
// the file, the line and what is wrong.
std::string BuildNameLists(const std::string& srcDir, const std::string& outDir);

}  // namespace tarnwick
