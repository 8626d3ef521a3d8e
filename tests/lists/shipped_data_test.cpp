// SPDX-License-Identifier: GPL-3.0-or-later
// The name lists and the new-file template that the build generates and the program ships.
#include <cstdlib>

#include <gtest/gtest.h>

#include "lists/name_lists.h"
#include "updata/ups_file.h"

namespace tarnwick {
namespace {

std::string DataFolder() {
  const char* folder = std::getenv("TARNWICK_DATA_DIR");
  return folder && *folder ? folder : TARNWICK_BUILT_DATA_DIR;
}

// The number of leading entries with a program, after checking that all later ones are blank.
int RowsBeforeBlanks(const std::vector<ToneEntry>& table) {
  std::size_t rows = 0;
  while (rows < table.size() && table[rows].program) ++rows;
  for (std::size_t i = rows; i < table.size(); ++i) {
    EXPECT_EQ(table[i].msb + table[i].lsb + table[i].program, 0) << i;
    EXPECT_EQ(table[i].name, std::string(12, ' ')) << i;
  }
  return static_cast<int>(rows);
}

// The loaders accept only files of the exact size, so loading checks the sizes too.
TEST(ShippedData, ListsLoadWithTheExpectedEntries) {
  NameTables tables;
  ASSERT_EQ(LoadEFXList(tables, DataFolder()) + LoadToneList(tables, DataFolder()) +
                LoadDrumSetList(tables, DataFolder()) + LoadStyleList(tables, DataFolder()), "");
  EXPECT_EQ(RowsBeforeBlanks(tables.tones), 1994);
  EXPECT_EQ(RowsBeforeBlanks(tables.drumSets), 51);
  EXPECT_EQ(ToneNameAt(tables, 0, 1), "\"Piano 1");
  EXPECT_EQ(ToneNameAt(tables, 1993, 0), "+Jungle Tune");  // MT-32 bank: MSB 127
  for (const ToneEntry& set : tables.drumSets) EXPECT_NE(set.name.substr(0, 8), "User Set");
  for (int i = 0; i < kStyleCount; ++i) {
    const StyleEntry& style = tables.styles[static_cast<std::size_t>(i)];
    EXPECT_EQ(style.name, "Int " + NumToUPBnk(i) + " ");
    EXPECT_EQ(style.program, i);
  }
  EXPECT_EQ(tables.efxNames[89], "EFX 89     ");
}

TEST(ShippedData, NewFileTemplateIsAnEmptyLibrary) {
  UPFile file;
  ASSERT_TRUE(SetUPCount(file, 5));
  ASSERT_TRUE(LoadUPSFile(file, DataFolder() + "/DefaultNewFile.upt"));
  EXPECT_EQ(file.count, 0);
  EXPECT_EQ(HeaderMagic(file.header), "*SPrGMIL");
  for (int i = 0; i < kDiskLinkCount; ++i) EXPECT_EQ(GetDiskLinkName(file.header, i), "        ");
  int nonZero = 0;
  for (std::uint8_t byte : file.header) nonZero += byte != 0;
  EXPECT_EQ(nonZero, 8 + 8 * kDiskLinkCount);  // the magic and the blank names only
}

}  // namespace
}  // namespace tarnwick
