// SPDX-License-Identifier: GPL-3.0-or-later
#include "lists/name_lists.h"

#include <random>

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace tarnwick {
namespace {

ToneEntry Tone(int msb, int lsb, int program, std::string name) {
  name.resize(12, ' ');
  return {static_cast<std::uint8_t>(msb), static_cast<std::uint8_t>(lsb),
          static_cast<std::uint8_t>(program), name};
}

// Stores the raw tone bytes of a part, bit 7 included.
void SetPartTone(UPRecord& up, int part, int msb, int lsb, int program) {
  up[161 + 3 * part] = static_cast<std::uint8_t>(msb);
  up[162 + 3 * part] = static_cast<std::uint8_t>(lsb);
  up[163 + 3 * part] = static_cast<std::uint8_t>(program);
}

TEST(ListLoading, AcceptsExactSizeAndRefusesOneByteMoreOrLess) {
  using Loader = std::string (*)(NameTables&, const std::string&);
  const struct { const char* name; int size; Loader load; } files[] = {
      {kEFXListFile, 990, LoadEFXList}, {kToneListFile, 30570, LoadToneList},
      {kDrumSetListFile, 780, LoadDrumSetList}, {kStyleListFile, 1408, LoadStyleList}};
  testing::TempFolder folder;
  const std::string dir = folder.path().string();
  NameTables tables;
  for (const auto& file : files) {
    const std::string expected = "Error Opening File: " + folder.file(file.name);
    EXPECT_EQ(file.load(tables, dir), expected);  // missing
    for (int size : {file.size, file.size - 1, file.size + 1}) {
      testing::WriteBytes(folder.file(file.name), std::string(static_cast<std::size_t>(size), 'x'));
      EXPECT_EQ(file.load(tables, dir), size == file.size ? "" : expected) << file.name << size;
    }
  }
  // The refused files of the last round leave every table empty, also after a good load.
  EXPECT_EQ(tables.efxNames[89], "");
  EXPECT_EQ(tables.tones[2037].name, "");
  EXPECT_EQ(tables.drumSets[51].program, 0);
  EXPECT_EQ(tables.styles[127].name, "");
}

TEST(DecoratedNames, PlusRuleLevelMarksAndRange) {
  NameTables tables;
  tables.tones[0] = Tone(126, 1, 1, " Piano 2");
  tables.tones[1] = Tone(127, 2, 5, "Slap Bass 1");
  tables.tones[2] = Tone(0, 1, 1, "Piano 1");
  tables.tones[3] = Tone(8, 2, 1, "Piano 1w");
  tables.tones[4] = Tone(16, 3, 1, "Piano 1d");
  tables.drumSets[0] = Tone(0, 3, 128, "CM-64/32L");
  tables.drumSets[1] = Tone(126, 1, 1, "STANDARD");  // MSB 126 means nothing for drum sets
  for (int markPos : {0, 1, 2}) {
    EXPECT_EQ(ToneNameAt(tables, 0, markPos), "+Piano 2");
    EXPECT_EQ(ToneNameAt(tables, 1, markPos), "+Slap Bass 1");
    EXPECT_EQ(DrumSetNameAt(tables, 0, markPos), "+CM-64/32L");
  }
  EXPECT_EQ(DrumSetNameAt(tables, 1, 1), "\"STANDARD");
  EXPECT_EQ(ToneNameAt(tables, 2, 1) + ToneNameAt(tables, 2, 2) + ToneNameAt(tables, 2, 3),
            "\"Piano 1Piano 1\"Piano 1");
  EXPECT_EQ(ToneNameAt(tables, 3, 1) + ToneNameAt(tables, 4, 2), "'Piano 1wPiano 1d ");
  for (int index : {-1, 2038}) EXPECT_EQ(ToneNameAt(tables, index, 0), "");
  for (int index : {-1, 52}) EXPECT_EQ(DrumSetNameAt(tables, index, 0), "");
}

TEST(PartLookup, KeysTablesFirstMatchAndSuffix) {
  NameTables tables;
  tables.tones[3] = Tone(0, 0, 1, "Piano");
  tables.tones[4] = Tone(1, 2, 128, "One28");
  tables.tones[5] = Tone(1, 2, 0, "Zero");
  tables.tones[900] = Tone(8, 1, 5, "Later");
  tables.tones[40] = Tone(8, 1, 5, "First");
  tables.drumSets[2] = Tone(0, 0, 1, "STANDARD");
  tables.drumSets[3] = Tone(0, 5, 128, "CM-64/32L");
  IndexNameTables(tables);
  UPRecord up{};
  for (int part = 0; part < kPartCount; ++part) {
    EXPECT_EQ(GetPartToneName(tables, up, part), IsDrumPart(part) ? "STANDARD" : "Piano");
  }
  SetPartTone(up, 0, 0x81, 0x82, 127);  // bit 7 ignored; program 127 looks for list program 0
  EXPECT_EQ(GetPartToneName(tables, up, 0), "'Zero");
  SetPartTone(up, 1, 8, 1, 4);
  EXPECT_EQ(GetPartToneName(tables, up, 1), "\"First");
  for (int program = 0; program < 256; ++program) {  // drum program 128 is never found
    SetPartTone(up, 6, 0, 5, program);
    ASSERT_EQ(GetPartToneName(tables, up, 6), "") << program;
  }
  EXPECT_EQ(GetPartToneName(tables, up, 16), "");
  // Origin suffix of the arranger parts: bit 7 of the stored MSB byte.
  SetPartTone(up, 7, 0x80, 0, 0);
  SetPartTone(up, 8, 128, 0, 0);    // stored MSB 128: drum set MSB 0, from the arranger
  SetPartTone(up, 15, 0x85, 0, 0);  // no list entry: the suffix stands alone
  EXPECT_EQ(GetPartToneNameArr(tables, up, 7), "Piano");
  EXPECT_EQ(GetPartToneNameArr(tables, up, 8) + GetPartToneName(tables, up, 8),
            "STANDARD (Arr)STANDARD");
  EXPECT_EQ(GetPartToneNameArr(tables, up, 9), "Piano (Usr)");
  EXPECT_EQ(GetPartToneNameArr(tables, up, 15), " (Arr)");
}

// The index must answer as a scan from index 0 does, duplicates and unset entries included.
TEST(PartLookup, IndexAgreesWithAScanFromTheStart) {
  NameTables tables;
  std::mt19937 random(12345);
  for (auto& e : tables.tones) e = Tone(random() % 4 * 63, random() % 4, random() % 5, "x");
  const NameTables unindexed = tables;
  IndexNameTables(tables);
  for (int key = 0; key < 256 * 5 * 6; ++key) {
    const int msb = key / 30, lsb = key / 6 % 5, program = key % 6;
    int expected = -1;
    for (int i = kToneCount - 1; i >= 0; --i) {
      const ToneEntry& e = tables.tones[static_cast<std::size_t>(i)];
      if (e.msb == msb && e.lsb == lsb && e.program == program) expected = i;
    }
    ASSERT_EQ(FindToneEntry(tables, false, msb, lsb, program), expected);
    ASSERT_EQ(FindToneEntry(unindexed, false, msb, lsb, program), expected);
  }
  EXPECT_EQ(FindToneEntry(tables, false, 0, 0, 256), -1);  // not a byte: not the key (0, 1, 0)
}

TEST(EFXName, StoredNameWithItsTrailingBlanks) {
  NameTables tables;
  tables.efxNames[0] = "Thru       ";
  UPRecord up{};
  EXPECT_EQ(EFXInsertionEffectName(tables, up), "Thru       ");
  up[440] = 90;
  EXPECT_EQ(EFXInsertionEffectName(tables, up), "");
}

}  // namespace
}  // namespace tarnwick
