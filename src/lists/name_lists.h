// SPDX-License-Identifier: GPL-3.0-or-later
// The four name lists that sit beside the program (tones, drum sets, styles, EFX types): fixed-size
// files of raw records, read once at start-up into tables that are read-only afterwards. A list
// entry's index in its table is its identity everywhere else.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "updata/up_record.h"

namespace tarnwick {

inline constexpr int kToneCount = 2038;
inline constexpr int kDrumSetCount = 52;
inline constexpr int kStyleCount = 128;
inline constexpr int kEFXCount = 90;

inline constexpr int kToneEntrySize = 15;   // MSB, LSB, program (1..128), 12-byte name
inline constexpr int kStyleEntrySize = 11;  // MSB, LSB, program (0..127), 8-byte name
inline constexpr int kEFXNameSize = 11;

inline constexpr char kToneListFile[] = "ToneList.dat";
inline constexpr char kDrumSetListFile[] = "DrumSetList.dat";
inline constexpr char kStyleListFile[] = "StyleList.dat";
inline constexpr char kEFXListFile[] = "EFXList.dat";

struct ToneEntry {
  std::uint8_t msb = 0;
  std::uint8_t lsb = 0;
  std::uint8_t program = 0;  // counted from 1
  std::string name;          // 12 bytes as stored (8-bit text), blanks included; empty when unset
};

struct StyleEntry {
  std::uint8_t msb = 0;
  std::uint8_t lsb = 0;
  std::uint8_t program = 0;  // the Program Change data byte itself
  std::string name;          // 8 bytes as stored
};

// The (MSB, LSB, program) keys of a ToneEntry table in ascending order, each with the lowest
// table index that holds it, so that a binary search finds what a scan from index 0 finds.
// Empty while no index has been built.
struct ToneKeyIndex {
  std::vector<std::uint32_t> keys;     // msb << 16 | lsb << 8 | program, no repeats
  std::vector<std::uint16_t> entries;  // entries[i]: the lowest index whose key is keys[i]
};

struct NameTables {
  std::vector<ToneEntry> tones = std::vector<ToneEntry>(kToneCount);
  std::vector<ToneEntry> drumSets = std::vector<ToneEntry>(kDrumSetCount);
  std::vector<StyleEntry> styles = std::vector<StyleEntry>(kStyleCount);
  std::vector<std::string> efxNames = std::vector<std::string>(kEFXCount);

  // Lookup indexes over `tones` and `drumSets`, built by the loaders (see IndexNameTables).
  ToneKeyIndex toneIndex;
  ToneKeyIndex drumSetIndex;
};

// Each loader reads <folder>/<file>. On success it returns the empty text; otherwise the table
// is left empty (apart from records read before a read error) and the text to show is returned:
// "Error Opening File: " followed by the full path.
std::string LoadEFXList(NameTables& tables, const std::string& folder);
std::string LoadToneList(NameTables& tables, const std::string& folder);
std::string LoadDrumSetList(NameTables& tables, const std::string& folder);
std::string LoadStyleList(NameTables& tables, const std::string& folder);

// Rebuilds both lookup indexes. The loaders call it; code that fills `tones` or `drumSets` by
// hand calls it afterwards (without an index the lookups scan the table; a stale one misleads).
void IndexNameTables(NameTables& tables);

// The lowest index of `tones` (or `drumSets` when `drumSet`) whose three bytes equal the key, or
// -1 when none does.
int FindToneEntry(const NameTables& tables, bool drumSet, int msb, int lsb, int program);

// Decorated names, 8-bit text like the tables. markPos: 0 none, 1 level mark before the name,
// 2 after it (others as 0). An index outside the table gives the empty text.
std::string ToneNameAt(const NameTables& tables, int index, int markPos);
std::string DrumSetNameAt(const NameTables& tables, int index, int markPos);

// The name of the tone or drum set a part of a UP selects, mark before the name; empty when no
// list entry matches. The ...Arr form appends " (Usr)" / " (Arr)" for parts 8..15. A part
// outside 0..15 gives the empty text.
std::string GetPartToneName(const NameTables& tables, const UPRecord& up, int part);
std::string GetPartToneNameArr(const NameTables& tables, const UPRecord& up, int part);

// The EFX type name of a UP as stored (11 bytes, trailing blanks kept); empty for values >= 90.
std::string EFXInsertionEffectName(const NameTables& tables, const UPRecord& up);

}  // namespace tarnwick
