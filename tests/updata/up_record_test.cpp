// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "support/ups_builder.h"
#include "updata/ansi_text.h"
#include "updata/up_file.h"
#include "updata/up_record.h"

namespace tarnwick {
namespace {

UPRecord RandomRecord(std::uint32_t seed) {
  UPRecord up{};
  const std::string bytes = testing::RandomBytes(up.size(), seed);
  std::copy(bytes.begin(), bytes.end(), up.begin());
  return up;
}

// Which bytes differ between two records.
std::vector<int> ChangedOffsets(const UPRecord& before, const UPRecord& after) {
  std::vector<int> changed;
  for (int i = 0; i < kUPRecordSize; ++i) {
    if (before[i] != after[i]) changed.push_back(i);
  }
  return changed;
}

TEST(UPRecord, LocationCodesCoverTheThreeBanksAndNothingElse) {
  EXPECT_EQ(NumToUPBnk(0), "A11");
  EXPECT_EQ(NumToUPBnk(7), "A18");
  EXPECT_EQ(NumToUPBnk(8), "A21");
  EXPECT_EQ(NumToUPBnk(63), "A88");
  EXPECT_EQ(NumToUPBnk(64), "B11");
  EXPECT_EQ(NumToUPBnk(128), "C11");
  EXPECT_EQ(NumToUPBnk(191), "C88");
  EXPECT_EQ(NumToUPBnk(192), "");
  EXPECT_EQ(NumToUPBnk(-1), "");
}

TEST(UPRecord, StyleNumberNamesSourceAndLocation) {
  UPRecord up{};
  const struct { int value; const char* source; const char* number; } cases[] = {
      {0, "Internal", "A11"},  {127, "Internal", "B88"}, {128, "Disk", "D88"},
      {129, "Disk", "D88"},    {130, "FlashROM", "C11"}, {145, "FlashROM", "C28"},
      {146, "Error", "Err"},   {255, "Error", "Err"}};
  for (const auto& c : cases) {
    up[209] = static_cast<std::uint8_t>(c.value);
    EXPECT_EQ(GetUPStyleSourceText(up), c.source) << c.value;
    EXPECT_EQ(GetUPStyleNumberText(up), c.number) << c.value;
  }
}

TEST(UPRecord, SongTextsAreEmptyWithoutASong) {
  UPRecord up{};
  SetUPText8(up, kSongNameOffset, "????????");
  for (int location : {0, 5, 255, 100}) {
    up[421] = static_cast<std::uint8_t>(location);
    EXPECT_EQ(GetUPSongName(up), "");
    EXPECT_EQ(GetUPSongSourceShort(up), "");
    EXPECT_EQ(GetUPSongSourceLong(up), "");
  }
  SetUPText8(up, kSongNameOffset, "MySong");
  EXPECT_EQ(GetUPSongName(up), "MySong  ");  // untrimmed: callers trim for display
  const struct { int value; const char* shortText; const char* longText; } cases[] = {
      {0, "ID0", "SCSI ID 0"}, {4, "ID4", "SCSI ID 4"}, {5, "ID5", "Zip Disk"},
      {6, "ID6", "SCSI ID 6"}, {7, "Err", "Error"},     {254, "Err", "Error"},
      {255, "FDD", "Floppy Dsk"}};
  for (const auto& c : cases) {
    up[421] = static_cast<std::uint8_t>(c.value);
    EXPECT_EQ(GetUPSongSourceShort(up), c.shortText) << c.value;
    EXPECT_EQ(GetUPSongSourceLong(up), c.longText) << c.value;
  }
}

TEST(UPRecord, DBeamIsAssembledFromTwoBytes) {
  UPRecord up{};
  up[365] = 0x30;
  up[159] = 0x08;
  EXPECT_EQ(GetUPDBeam(up), 19);
  up[365] = 0xFF ^ 0xF0;  // only the bits that are not part of the value
  up[159] = 0xFF ^ 0x08;
  EXPECT_EQ(GetUPDBeam(up), 0);
  up[365] = 0xF0;
  up[159] = 0x08;
  EXPECT_EQ(GetUPDBeam(up), 31);
}

TEST(UPRecord, PartToneBytesDropTheArrangerFlag) {
  UPRecord up{};
  up[161 + 3 * 8] = 0x80 | 5;  // ADR, flag set
  up[162 + 3 * 8] = 0x81;
  up[163 + 3 * 8] = 0xFF;
  EXPECT_EQ(GetUPPartTone(up, 8, 0), 5);
  EXPECT_EQ(GetUPPartTone(up, 8, 1), 1);
  EXPECT_EQ(GetUPPartTone(up, 8, 2), 127);
  EXPECT_EQ(Read(up, field::PartToneArranger, 8), 1);
  EXPECT_EQ(GetUPPartTone(up, 7, 0), 0);  // the neighbouring part is not touched
}

TEST(UPRecord, WritersChangeOnlyTheirOwnBytes) {
  const UPRecord original = RandomRecord(7);

  UPRecord up = original;
  SetUPTempo(up, 10);
  EXPECT_EQ(GetUPTempo(up), 20);
  SetUPTempo(up, 255);
  EXPECT_EQ(GetUPTempo(up), 250);
  SetUPTempo(up, 120);
  EXPECT_EQ(GetUPTempo(up), 120);
  EXPECT_EQ(ChangedOffsets(original, up), (original[238] == 120 ? std::vector<int>{} : std::vector<int>{238}));

  up = original;
  SetUPText8(up, kUPNameOffset, "AB");
  EXPECT_EQ(GetUPText8(up, kUPNameOffset), "AB      ");
  SetUPText8(up, kStyleNameOffset, "0123456789");
  EXPECT_EQ(GetUPText8(up, kStyleNameOffset), "01234567");
  for (int offset : ChangedOffsets(original, up)) {
    const bool inName = offset >= kUPNameOffset && offset < kUPNameOffset + 8;
    const bool inStyle = offset >= kStyleNameOffset && offset < kStyleNameOffset + 8;
    EXPECT_TRUE(inName || inStyle) << "byte " << offset << " changed";
  }
  // The bytes between the two names (355) and after the name (364) are never written.
  EXPECT_EQ(up[355], original[355]);
  EXPECT_EQ(up[364], original[364]);
}

TEST(UPRecord, EightBitTextsKeepEveryByte) {
  UPRecord up{};
  const std::string bytes = "\x80\xE9\xFF\x01 x\x9D";
  SetUPText8(up, kUPNameOffset, bytes);
  EXPECT_EQ(GetUPText8(up, kUPNameOffset), bytes + " ");
  EXPECT_EQ(AnsiToUtf8("\x80\xE9"), "\xE2\x82\xAC\xC3\xA9");  // euro sign, e acute
  EXPECT_EQ(UnicodeToAnsi(U'\u20AC'), '\x80');
  EXPECT_EQ(UnicodeToAnsi(U'\u4E00'), '?');
  for (int byte = 0; byte < 256; ++byte) {
    EXPECT_EQ(static_cast<unsigned char>(UnicodeToAnsi(AnsiToUnicode(static_cast<unsigned char>(byte)))), byte);
  }
}

// The one rule for every name the user types (UP, style, song and Disk Link names): what is
// stored must come back as typed, so a text the file cannot hold is refused, never written as "?".
TEST(StorableName, WindowsCodePageAtMostEightAndNoControlCharacters) {
  const struct {
    std::u32string text;
    std::optional<std::string> stored;
  } cases[] = {
      {U"Caf\u00e9 \u20ac?", std::string("Caf\xE9 \x80?")},
      {U"", std::string()},
      {U"12345678", std::string("12345678")},
      {U"123456789", std::nullopt},             // longer than a name
      {U"Zu\u0142o", std::nullopt},             // no byte in Windows-1252
      {U"\u97f3", std::nullopt},
      {U"\U0001F3B9", std::nullopt},
      {U"A\tB", std::nullopt},                  // control characters
      {U"AB\r\nCD", std::nullopt},
      {std::u32string(U"A\0B", 3), std::nullopt},
      {U"A\x7f" U"B", std::nullopt},
      {U"A\x81" U"B", std::nullopt},            // a C1 control, though the byte 0x81 exists
  };
  for (const auto& c : cases) {
    EXPECT_EQ(StorableName(c.text), c.stored) << c.text.size();
  }
  EXPECT_EQ(StorableName(U"123456789", 9), std::string("123456789"));
}

TEST(UPFile, SetUPCountRefusesOutOfRangeAndZeroFillsNewRecords) {
  UPFile file;
  ASSERT_TRUE(SetUPCount(file, 3));
  file.up(2).fill(0xAA);
  EXPECT_FALSE(SetUPCount(file, -1));
  EXPECT_FALSE(SetUPCount(file, 65536));
  EXPECT_EQ(file.count, 3);
  EXPECT_EQ(file.up(2)[0], 0xAA);

  ASSERT_TRUE(SetUPCount(file, 2));
  ASSERT_TRUE(SetUPCount(file, 3));
  EXPECT_EQ(file.up(2), UPRecord{}) << "a regrown record must not bring back old data";

  file.up(0).fill(0x55);
  ASSERT_TRUE(SetUPCount(file, 0));
  EXPECT_EQ(file.count, 0);
  EXPECT_GE(file.records.size(), 1u);
  ASSERT_TRUE(SetUPCount(file, 1));
  EXPECT_EQ(file.up(0), UPRecord{});
  ASSERT_TRUE(SetUPCount(file, 65535));
  EXPECT_EQ(file.count, 65535);
}

TEST(UPFile, DiskLinkNamesSitInTheirTwelveByteEntries) {
  UPSHeader header{};
  header.fill(0x11);
  SetDiskLinkName(header, 110, "Last");
  EXPECT_EQ(GetDiskLinkName(header, 110), "Last    ");
  EXPECT_EQ(header[610 + 12 * 110 + 8], 0x11) << "the four bytes after a name are kept";
  EXPECT_EQ(header[610 + 12 * 110 - 1], 0x11);
  EXPECT_EQ(610 + 12 * 111, kUPSHeaderSize);
}

}  // namespace
}  // namespace tarnwick
