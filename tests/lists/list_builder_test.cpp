// SPDX-License-Identifier: GPL-3.0-or-later
#include "lists/list_builder.h"

#include <gtest/gtest.h>

#include "lists/name_lists.h"
#include "support/temp_folder.h"

namespace tarnwick {
namespace {

using testing::WriteBytes;
const std::string kHeader = "msb\tlsb\tprogram\tname\n";

class ListBuilder : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteBytes(source.file("tones.tsv"), kHeader + "0\t1\t1\tPiano 1\n8\t2\t128\tCafé\n");
    WriteBytes(source.file("drumsets.tsv"),
               kHeader + "0\t1\t1\tSTANDARD\r\n\r\n0\t3\t128\tCM-64\r\n");
    WriteBytes(source.file("styles.tsv"), "\xEF\xBB\xBF" + kHeader + "0\t1\t127\t8Beat 12\n");
    WriteBytes(source.file("efx.tsv"), "index\tname\n0\tThru\n1\tStereo EQ\n");
  }
  std::string Build() { return BuildNameLists(source.path().string(), output.path().string()); }

  testing::TempFolder source, output;
};

TEST_F(ListBuilder, BuiltListsLoadBackWithTheirNames) {
  ASSERT_EQ(Build(), "");
  NameTables tables;
  const std::string out = output.path().string();
  ASSERT_EQ(LoadToneList(tables, out) + LoadDrumSetList(tables, out) + LoadStyleList(tables, out) +
                LoadEFXList(tables, out), "");
  EXPECT_EQ(ToneNameAt(tables, 0, 2), "Piano 1\"");
  EXPECT_EQ(tables.tones[1].name, "Caf\xE9        ");  // Windows-1252, padded to 12
  EXPECT_EQ(tables.tones[1].program, 128);
  EXPECT_EQ(DrumSetNameAt(tables, 1, 1), "+CM-64");  // line ends and empty lines dropped
  EXPECT_EQ(tables.styles[0].name + std::to_string(tables.styles[0].program), "8Beat 12127");
  EXPECT_EQ(tables.efxNames[1], "Stereo EQ  ");
  // The slots after the rows are blank entries.
  EXPECT_EQ(tables.tones[2].name, std::string(12, ' '));
  EXPECT_EQ(tables.drumSets[51].program, 0);
  EXPECT_EQ(tables.efxNames[89], std::string(11, ' '));
}

TEST_F(ListBuilder, RefusesBadTablesAndWritesNothing) {
  std::string many = kHeader;
  for (int i = 0; i <= 52; ++i) many += "0\t0\t1\tA\n";
  const struct { const char* file; std::string content; int line; const char* what; } cases[] = {
      {"tones.tsv", "msb\tlsb\tprog\tname\n", 1, "header"},
      {"tones.tsv", "", 1, "header line is missing"},
      {"tones.tsv", kHeader + "0\t0\t1\tA\n0\t0\t1\n", 3, "found 3"},
      {"tones.tsv", kHeader + "0\t0\t0\tA\n", 2, "program 0 is outside 1..128"},
      {"styles.tsv", kHeader + "0\t0\t128\tA\n", 2, "outside 0..127"},
      {"tones.tsv", kHeader + "128\t0\t1\tA\n", 2, "msb 128 is outside 0..127"},
      {"tones.tsv", kHeader + "0\t-1\t1\tA\n", 2, "lsb \"-1\" is not a number"},
      {"tones.tsv", kHeader + "0\t0\t1\tAbcdefghijklm\n", 2, "at most 12"},
      {"styles.tsv", kHeader + "0\t0\t1\tStyle 123\n", 2, "at most 8"},
      {"tones.tsv", kHeader + "0\t0\t1\tPiano 中\n", 2, "U+4E2D"},
      {"tones.tsv", kHeader + "0\t0\t1\tBad\xE9\n", 2, "not valid UTF-8"},
      {"tones.tsv", kHeader + "0\t0\t1\tBell\x07\n", 2, "control character"},
      {"efx.tsv", "index\tname\n0\tThru\n2\tChorus\n", 3, "index 2 where 1"},
      {"drumsets.tsv", many, 54, "more than 52 rows"},
  };
  for (const auto& c : cases) {
    SetUp();
    WriteBytes(source.file(c.file), c.content);
    const std::string message = Build();
    EXPECT_EQ(message.find(source.file(c.file) + " line " + std::to_string(c.line) + ": "), 0u)
        << message;
    EXPECT_NE(message.find(c.what), std::string::npos) << message;
  }
  SetUp();
  std::filesystem::remove(source.file("efx.tsv"));
  EXPECT_NE(Build().find(source.file("efx.tsv")), std::string::npos);
  EXPECT_TRUE(std::filesystem::is_empty(output.path()));
}

}  // namespace
}  // namespace tarnwick
