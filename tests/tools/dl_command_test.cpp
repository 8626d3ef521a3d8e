#include <gtest/gtest.h>

#include "commands.h"
#include "updata/disk_link.h"
#include "updata/up_record.h"
#include "upstool_test_support.h"

namespace tarnwick::upstool::test {
namespace {

void SetStoredName(UPSHeader& header, int entry, std::string_view name) {
  for (int i = 0; i < 8; ++i) header[610 + 12 * entry + i] = static_cast<std::uint8_t>(name[i]);
}

TEST(NumToDLBnkTest, CodesRunFromC31ToD87) {
  EXPECT_EQ(NumToDLBnk(0), "C31");
  EXPECT_EQ(NumToDLBnk(1), "C32");
  EXPECT_EQ(NumToDLBnk(8), "C41");
  EXPECT_EQ(NumToDLBnk(47), "C88");
  EXPECT_EQ(NumToDLBnk(48), "D11");
  EXPECT_EQ(NumToDLBnk(110), "D87");
  EXPECT_EQ(NumToDLBnk(-1), "");
  EXPECT_EQ(NumToDLBnk(111), "");
  // Within bank C the codes are the UP numbers from 144 on.
  for (int index = 0; index < 48; ++index) EXPECT_EQ(NumToDLBnk(index), NumToUPBnk(index + 144));
}

TEST(DlCommandTest, PrintsEveryEntryWithItsCodeAndUntrimmedName) {
  TempFolder folder;
  UPSHeader header = MakeHeader("*SPrGMIL", 1);
  SetStoredName(header, 0, " Caf\xE9  \x80");
  SetStoredName(header, 47, std::string_view("a\0b\0\0\0\0\0", 8));
  SetStoredName(header, 110, "x\ty\r\nz  ");
  const std::string path = folder.Path("dl.ups");
  WriteBytes(path, UpsBytes(header, {NamedUP("one")}));

  const CommandOutput run = RunInProcess(RunDlCommand, {path});

  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.err, "");
  const std::vector<std::string> lines = SplitLines(run.out);
  ASSERT_EQ(lines.size(), 111u);
  EXPECT_EQ(lines[0], "0\tC31\t Caf\xC3\xA9  \xE2\x82\xAC");
  EXPECT_EQ(lines[1], "1\tC32\tDL001   ");
  EXPECT_EQ(lines[47], "47\tC88\ta b     ");
  EXPECT_EQ(lines[48], "48\tD11\tDL048   ");
  // Tabs and line breaks inside a name would break the columns: they show as blanks.
  EXPECT_EQ(lines[110], "110\tD87\tx y  z  ");
}

TEST(DlCommandTest, ARefusedFileWritesTheMessageToStandardError) {
  TempFolder folder;
  const std::string path = folder.Path("g800.ups");
  WriteBytes(path, UpsBytes(MakeHeader("USPRG800", 0), {}));

  const CommandOutput refused = RunInProcess(RunDlCommand, {path});
  EXPECT_EQ(refused.exit_code, 1);
  EXPECT_EQ(refused.out, "");
  EXPECT_EQ(refused.err.rfind("The File: " + path + "  Is a G-800 User Program File.", 0), 0u);
}

}  // namespace
}  // namespace tarnwick::upstool::test
