// SPDX-License-Identifier: GPL-3.0-or-later
// upstool find and upstool diff, run as the built executable.
#include <gtest/gtest.h>

#include <cstdlib>

#include "support/demo_library.h"
#include "updata/ups_file.h"
#include "upstool_test_support.h"

namespace tarnwick::upstool::test {
namespace {

std::string SaveFile(const TempFolder& folder, const std::string& name, UPFile file) {
  const std::string path = folder.file(name);
  EXPECT_TRUE(SaveUPSFile(file, path).ok);
  return path;
}

TEST(CatalogCommandsTest, FindScansTheFoldersAndPrintsTheHits) {
  TempFolder home, files;
  setenv("XDG_DATA_HOME", home.path().c_str(), 1);  // the catalog of this test alone
  UPFile set = testing::MakeDemoFile(3, 5);
  SetUPText8(set.up(1), kUPNameOffset, "Zanzibar");
  SetUPTempo(set.up(1), 123);
  const std::string path = SaveFile(files, "Gig.UPS", set);
  WriteFile(files, "broken.UPS", "junk");

  const CommandOutput found = RunUpstool({"find", "zanz", "--in", files.path().string()});
  EXPECT_EQ(found.exit_code, 0) << found.err;
  EXPECT_EQ(found.out, path + "\t1\tA12\tZanzibar\t" + TrimBlanks(GetUPText8(set.up(1), kStyleNameOffset)) +
                           "\t123\t" + TrimBlanks(GetUPSongName(set.up(1))) + "\n");
  EXPECT_NE(found.err.find("broken.UPS"), std::string::npos);  // a file that did not load is named

  // Later runs use the stored folders; --csv gives a header and quoted fields.
  const CommandOutput csv = RunUpstool({"find", "tempo:123", "--csv"});
  EXPECT_EQ(csv.exit_code, 0);
  const std::vector<std::string> lines = Split(csv.out);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], "file,id,up,name,style,tempo,song");
  EXPECT_EQ(RunUpstool({"find", "tempo:fast"}).exit_code, kExitUsage);
  EXPECT_EQ(RunUpstool({"find", "x", "--in", files.file("nowhere")}).exit_code, kExitFailure);
  unsetenv("XDG_DATA_HOME");
}

TEST(CatalogCommandsTest, DiffExitsAsDiffDoesAndNamesWhatDiffers) {
  TempFolder files;
  UPFile a = testing::MakeDemoFile(4, 7);
  UPFile b = a;
  const std::string same = SaveFile(files, "a.UPS", a);
  const std::string copy = SaveFile(files, "copy.UPS", b);
  EXPECT_EQ(RunUpstool({"diff", same, copy}).exit_code, 0);

  SetUPTempo(b.up(2), 77);
  SetUPCount(b, 5);
  SetDiskLinkName(b.header, 0, "Other");
  const std::string other = SaveFile(files, "b.UPS", b);
  const CommandOutput differ = RunUpstool({"diff", same, other});
  EXPECT_EQ(differ.exit_code, 1);
  const std::string name2 = TrimBlanks(GetUPText8(a.up(2), kUPNameOffset));
  EXPECT_EQ(differ.out, "ID 2 (A13) " + name2 + ": tempo\nID 4 (A15): only in B\nDisk Link 0 (C31): \"Link0   \" / \"Other   \"\n");

  const CommandOutput csv = RunUpstool({"diff", same, other, "--csv"});
  EXPECT_EQ(csv.exit_code, 1);
  EXPECT_EQ(Split(csv.out)[1], "up,2,2," + name2 + ",tempo");

  EXPECT_EQ(RunUpstool({"diff", same}).exit_code, 2);
  EXPECT_EQ(RunUpstool({"diff", same, files.file("missing.UPS")}).exit_code, 2);
  EXPECT_EQ(RunUpstool({"diff", same, other, "--by-id"}).exit_code, 2);
}

}  // namespace
}  // namespace tarnwick::upstool::test
