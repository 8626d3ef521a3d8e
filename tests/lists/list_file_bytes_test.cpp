// SPDX-License-Identifier: GPL-3.0-or-later
// The loaders against list files whose bytes this test writes itself, one by one, so that a
// fault the list builder and the loaders share cannot hide behind a round trip.
#include <gtest/gtest.h>

#include <string>

#include "lists/name_lists.h"
#include "support/temp_folder.h"

namespace tarnwick {
namespace {

// The name bytes of entry `i`: a pattern with blanks, an 8-bit letter and a NUL in it.
std::string NameBytes(int i, int size) {
  std::string name;
  for (int at = 0; at < size; ++at) {
    const int pick = (i * 7 + at * 3) % 41;
    name += pick == 0 ? '\0' : pick < 4 ? ' ' : pick == 4 ? '\xE9' : static_cast<char>('A' + pick % 26);
  }
  return name;
}

std::string Byte(int value) { return std::string(1, static_cast<char>(value)); }

// MSB, LSB, program, then the name: the record layout of the tone, drum set and style lists.
std::string KeyedEntries(int count, int nameSize, int programBase) {
  std::string bytes;
  for (int i = 0; i < count; ++i) {
    bytes += Byte(i % 128) + Byte((i / 128) % 128) + Byte(programBase + i % 128) + NameBytes(i, nameSize);
  }
  return bytes;
}

TEST(ListFileBytes, EveryRecordIsReadAtItsOwnOffsetByteForByte) {
  testing::TempFolder folder;
  const std::string dir = folder.path().string();
  testing::WriteBytes(folder.file(kToneListFile), KeyedEntries(kToneCount, 12, 1));
  testing::WriteBytes(folder.file(kDrumSetListFile), KeyedEntries(kDrumSetCount, 12, 1));
  testing::WriteBytes(folder.file(kStyleListFile), KeyedEntries(kStyleCount, 8, 0));
  std::string efx;
  for (int i = 0; i < kEFXCount; ++i) efx += NameBytes(i, 11);
  testing::WriteBytes(folder.file(kEFXListFile), efx);

  NameTables tables;
  ASSERT_EQ(LoadToneList(tables, dir), "");
  ASSERT_EQ(LoadDrumSetList(tables, dir), "");
  ASSERT_EQ(LoadStyleList(tables, dir), "");
  ASSERT_EQ(LoadEFXList(tables, dir), "");

  const auto expectTone = [](const ToneEntry& entry, int i, const char* list) {
    EXPECT_EQ(entry.msb, i % 128) << list << i;
    EXPECT_EQ(entry.lsb, (i / 128) % 128) << list << i;
    EXPECT_EQ(entry.program, 1 + i % 128) << list << i;
    EXPECT_EQ(entry.name, NameBytes(i, 12)) << list << i;
  };
  for (int i = 0; i < kToneCount; ++i) expectTone(tables.tones[i], i, "tone ");
  for (int i = 0; i < kDrumSetCount; ++i) expectTone(tables.drumSets[i], i, "drum set ");
  for (int i = 0; i < kStyleCount; ++i) {
    EXPECT_EQ(tables.styles[i].msb, i) << i;
    EXPECT_EQ(tables.styles[i].program, i) << i;
    EXPECT_EQ(tables.styles[i].name, NameBytes(i, 8)) << i;
  }
  for (int i = 0; i < kEFXCount; ++i) EXPECT_EQ(tables.efxNames[i], NameBytes(i, 11)) << i;

  // The lookups find entries by the bytes as written: tone 1000 is MSB 104, LSB 7, program 105.
  EXPECT_EQ(FindToneEntry(tables, false, 104, 7, 105), 1000);
  EXPECT_EQ(FindToneEntry(tables, true, 51, 0, 52), 51);
  EXPECT_EQ(FindToneEntry(tables, false, 104, 7, 106), -1);
}

}  // namespace
}  // namespace tarnwick
