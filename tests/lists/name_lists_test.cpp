#include "lists/name_lists.h"

#include <functional>
#include <random>

#include <gtest/gtest.h>

#include "lists/temp_folder.h"

namespace tarnwick {
namespace {

using testing::TempFolder;

ToneEntry Tone(int msb, int lsb, int program, const std::string& name) {
  std::string field = name;
  field.resize(12, ' ');
  return {static_cast<std::uint8_t>(msb), static_cast<std::uint8_t>(lsb),
          static_cast<std::uint8_t>(program), field};
}

// Stores the raw tone bytes of a part, bit 7 included.
void SetPartTone(UPRecord& up, int part, int msb, int lsb, int program) {
  up[161 + 3 * part] = static_cast<std::uint8_t>(msb);
  up[162 + 3 * part] = static_cast<std::uint8_t>(lsb);
  up[163 + 3 * part] = static_cast<std::uint8_t>(program);
}

bool ToneTableEmpty(const std::vector<ToneEntry>& table) {
  for (const ToneEntry& e : table) {
    if (e.msb || e.lsb || e.program || !e.name.empty()) return false;
  }
  return true;
}

struct ListFile {
  const char* name;
  int size;
  std::function<std::string(NameTables&, const std::string&)> load;
  std::function<bool(const NameTables&)> empty;
};

TEST(ListLoading, AcceptsExactSizeAndRefusesOneByteMoreOrLess) {
  const ListFile files[] = {
      {kEFXListFile, 990, LoadEFXList,
       [](const NameTables& t) { return t.efxNames == std::vector<std::string>(90); }},
      {kToneListFile, 30570, LoadToneList, [](const NameTables& t) { return ToneTableEmpty(t.tones); }},
      {kDrumSetListFile, 780, LoadDrumSetList,
       [](const NameTables& t) { return ToneTableEmpty(t.drumSets); }},
      {kStyleListFile, 1408, LoadStyleList, [](const NameTables& t) {
         for (const StyleEntry& e : t.styles) {
           if (e.msb || e.lsb || e.program || !e.name.empty()) return false;
         }
         return true;
       }},
  };
  TempFolder folder;
  for (const ListFile& file : files) {
    SCOPED_TRACE(file.name);
    const std::string expected = "Error Opening File: " + folder.File(file.name);
    NameTables tables;
    EXPECT_EQ(file.load(tables, folder.Path()), expected);  // missing
    folder.Write(file.name, std::string(static_cast<std::size_t>(file.size), 'x'));
    EXPECT_EQ(file.load(tables, folder.Path()), "");
    EXPECT_FALSE(file.empty(tables));
    for (int size : {file.size - 1, file.size + 1}) {
      folder.Write(file.name, std::string(static_cast<std::size_t>(size), 'x'));
      EXPECT_EQ(file.load(tables, folder.Path()), expected) << size;
      EXPECT_TRUE(file.empty(tables)) << "a refused file must leave the table empty";
    }
  }
}

TEST(ListLoading, FolderNamedLikeTheFileIsRefused) {
  TempFolder folder;
  std::filesystem::create_directory(folder.File(kToneListFile));
  NameTables tables;
  EXPECT_EQ(LoadToneList(tables, folder.Path()), "Error Opening File: " + folder.File(kToneListFile));
}

TEST(ListLoading, RecordsLandInFileOrder) {
  TempFolder folder;
  std::string bytes;
  for (int i = 0; i < kDrumSetCount; ++i) {
    bytes += std::string{0, static_cast<char>(i), static_cast<char>(i + 1)} + "Set " +
             std::to_string(i) + std::string(i < 10 ? 7 : 6, ' ');
  }
  folder.Write(kDrumSetListFile, bytes);
  NameTables tables;
  ASSERT_EQ(LoadDrumSetList(tables, folder.Path()), "");
  EXPECT_EQ(tables.drumSets[51].lsb, 51);
  EXPECT_EQ(tables.drumSets[51].program, 52);
  EXPECT_EQ(tables.drumSets[51].name, "Set 51      ");
  // Lookups find loaded entries without anyone building the index by hand.
  EXPECT_EQ(FindToneEntry(tables, true, 0, 7, 8), 7);
}

TEST(DecoratedNames, PlusRuleBeatsTheLevelMark) {
  NameTables tables;
  tables.tones[0] = Tone(126, 1, 1, " Piano 2");
  tables.tones[1] = Tone(127, 2, 5, "Slap Bass 1");
  tables.drumSets[0] = Tone(0, 3, 128, "CM-64/32L");
  tables.drumSets[1] = Tone(126, 1, 1, "STANDARD");  // MSB 126 means nothing for drum sets
  for (int markPos : {0, 1, 2}) {
    EXPECT_EQ(ToneNameAt(tables, 0, markPos), "+Piano 2");
    EXPECT_EQ(ToneNameAt(tables, 1, markPos), "+Slap Bass 1");
    EXPECT_EQ(DrumSetNameAt(tables, 0, markPos), "+CM-64/32L");
  }
  EXPECT_EQ(DrumSetNameAt(tables, 1, 1), "\"STANDARD");
}

TEST(DecoratedNames, LevelMarkBeforeAfterOrNone) {
  NameTables tables;
  tables.tones[5] = Tone(0, 1, 1, "  Piano 1");
  tables.tones[6] = Tone(8, 2, 1, "Piano 1w");
  tables.tones[7] = Tone(16, 3, 1, "Piano 1d");
  tables.tones[8] = Tone(0, 4, 1, "Plain");
  EXPECT_EQ(ToneNameAt(tables, 5, 1), "\"Piano 1");
  EXPECT_EQ(ToneNameAt(tables, 5, 2), "Piano 1\"");
  EXPECT_EQ(ToneNameAt(tables, 5, 0), "Piano 1");
  EXPECT_EQ(ToneNameAt(tables, 5, 3), "Piano 1");
  EXPECT_EQ(ToneNameAt(tables, 6, 1), "'Piano 1w");
  EXPECT_EQ(ToneNameAt(tables, 7, 2), "Piano 1d ");
  EXPECT_EQ(ToneNameAt(tables, 8, 1), "Plain");
  EXPECT_EQ(ToneNameAt(tables, 9, 1), "");  // unset entry
}

TEST(DecoratedNames, IndexOutsideTheTableIsEmpty) {
  NameTables tables;
  for (auto& e : tables.tones) e = Tone(0, 0, 1, "T");
  for (auto& e : tables.drumSets) e = Tone(0, 0, 1, "D");
  EXPECT_EQ(ToneNameAt(tables, 2037, 0), "T");
  EXPECT_EQ(DrumSetNameAt(tables, 51, 0), "D");
  for (int index : {-1, 2038, 1 << 30}) EXPECT_EQ(ToneNameAt(tables, index, 0), "");
  for (int index : {-1, 52, 2037}) EXPECT_EQ(DrumSetNameAt(tables, index, 0), "");
}

class PartLookup : public ::testing::Test {
 protected:
  NameTables tables;
  UPRecord up{};
};

TEST_F(PartLookup, DrumPartsReadTheDrumSetList) {
  tables.tones[3] = Tone(0, 0, 1, "Piano");
  tables.drumSets[2] = Tone(0, 0, 1, "STANDARD");
  IndexNameTables(tables);
  for (int part = 0; part < kPartCount; ++part) {
    SetPartTone(up, part, 0, 0, 0);
    EXPECT_EQ(GetPartToneName(tables, up, part), part == 6 || part == 8 ? "STANDARD" : "Piano")
        << part;
  }
  EXPECT_EQ(GetPartToneName(tables, up, 16), "");
  EXPECT_EQ(GetPartToneNameArr(tables, up, -1), "");
}

TEST_F(PartLookup, ProgramByte127LooksForListProgram0) {
  tables.tones[0] = Tone(1, 2, 128, "One28");
  tables.tones[1] = Tone(1, 2, 0, "Zero");
  tables.tones[2] = Tone(1, 2, 1, "One");
  IndexNameTables(tables);
  SetPartTone(up, 0, 1, 2, 127);
  EXPECT_EQ(GetPartToneName(tables, up, 0), "'Zero");
  SetPartTone(up, 0, 1 | 0x80, 2 | 0x80, 0 | 0x80);  // bit 7 of the stored bytes is ignored
  EXPECT_EQ(GetPartToneName(tables, up, 0), "'One");
}

TEST_F(PartLookup, DrumSetWithProgram128IsNeverFound) {
  tables.drumSets[0] = Tone(0, 0, 128, "CM-64/32L");
  IndexNameTables(tables);
  for (int program = 0; program < 256; ++program) {
    SetPartTone(up, 6, 0, 0, program);
    ASSERT_EQ(GetPartToneName(tables, up, 6), "") << program;
  }
}

TEST_F(PartLookup, DuplicateKeysGiveTheLowerIndex) {
  tables.tones[900] = Tone(8, 1, 5, "Later");
  tables.tones[40] = Tone(8, 1, 5, "First");
  tables.tones[41] = Tone(8, 1, 5, "Second");
  IndexNameTables(tables);
  SetPartTone(up, 2, 8, 1, 4);
  EXPECT_EQ(GetPartToneName(tables, up, 2), "\"First");
}

TEST_F(PartLookup, ArrangerPartsGetTheOriginSuffix) {
  tables.tones[0] = Tone(0, 0, 1, "Piano");
  tables.drumSets[0] = Tone(0, 0, 1, "STANDARD");
  IndexNameTables(tables);
  SetPartTone(up, 7, 0x80, 0, 0);
  EXPECT_EQ(GetPartToneNameArr(tables, up, 7), "Piano");
  SetPartTone(up, 8, 128, 0, 0);  // stored MSB 128: drum set MSB 0, from the arranger
  EXPECT_EQ(GetPartToneNameArr(tables, up, 8), "STANDARD (Arr)");
  EXPECT_EQ(GetPartToneName(tables, up, 8), "STANDARD");
  SetPartTone(up, 9, 0, 0, 0);
  EXPECT_EQ(GetPartToneNameArr(tables, up, 9), "Piano (Usr)");
  SetPartTone(up, 15, 0x85, 0, 0);  // no list entry: the suffix stands alone
  EXPECT_EQ(GetPartToneNameArr(tables, up, 15), " (Arr)");
}

// The index must answer exactly as a scan from index 0 does, duplicates and unset entries included.
TEST_F(PartLookup, IndexAgreesWithAScanFromTheStart) {
  std::mt19937 random(12345);
  for (auto& e : tables.tones) e = Tone(random() % 4 * 63, random() % 4, random() % 5, "x");
  for (std::size_t i = 0; i < tables.tones.size(); ++i) tables.tones[i].name = std::to_string(i);
  NameTables unindexed = tables;
  IndexNameTables(tables);
  for (int msb : {0, 63, 126, 189}) {
    for (int lsb = 0; lsb < 5; ++lsb) {
      for (int program = 0; program < 6; ++program) {
        int expected = -1;
        for (int i = 0; i < kToneCount && expected < 0; ++i) {
          const ToneEntry& e = tables.tones[static_cast<std::size_t>(i)];
          if (e.msb == msb && e.lsb == lsb && e.program == program) expected = i;
        }
        ASSERT_EQ(FindToneEntry(tables, false, msb, lsb, program), expected);
        ASSERT_EQ(FindToneEntry(unindexed, false, msb, lsb, program), expected);
      }
    }
  }
  EXPECT_EQ(FindToneEntry(tables, false, 0, 0, 256), -1);  // not a byte: not the key (0, 1, 0)
}

TEST(EFXName, StoredNameWithItsTrailingBlanks) {
  NameTables tables;
  tables.efxNames[0] = "Thru       ";
  tables.efxNames[89] = "Last EFX   ";
  UPRecord up{};
  EXPECT_EQ(EFXInsertionEffectName(tables, up), "Thru       ");
  up[440] = 89;
  EXPECT_EQ(EFXInsertionEffectName(tables, up), "Last EFX   ");
  for (int value : {90, 255}) {
    up[440] = static_cast<std::uint8_t>(value);
    EXPECT_EQ(EFXInsertionEffectName(tables, up), "");
  }
}

}  // namespace
}  // namespace tarnwick
