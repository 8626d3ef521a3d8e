#include <gtest/gtest.h>

#include "commands.h"
#include "upstool_test_support.h"

namespace tarnwick::upstool::test {
namespace {

class CheckCommandTest : public ::testing::Test {
 protected:
  std::string Write(std::string_view name, std::string_view bytes) {
    const std::string path = folder_.Path(name);
    WriteBytes(path, bytes);
    return path;
  }

  TempFolder folder_;
};

TEST_F(CheckCommandTest, NamesSetsAndLibrariesByTheirCount) {
  const std::string set = Write("set.ups", UpsBytesWithCount(192));
  const std::string one = Write("one.ups", UpsBytesWithCount(1));
  const std::string empty = Write("empty.ups", UpsBytesWithCount(0));
  const std::string big = Write("big.ups", UpsBytesWithCount(193));
  // A 192-UP file stored with the library magic is still a set: the count decides.
  const std::string odd = Write(
      "odd.ups", UpsBytes(MakeHeader("*SPrGMIL", 192), std::vector<UPRecord>(192, NamedUP("x"))));

  const CommandOutput run = RunInProcess(RunCheckCommand, {set, one, empty, big, odd});

  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.out, set + ": set of 192 UPs\n" + one + ": library of 1 UPs\n" + empty +
                         ": library of 0 UPs\n" + big + ": library of 193 UPs\n" + odd +
                         ": set of 192 UPs\n");
  EXPECT_EQ(run.err, "");
}

TEST_F(CheckCommandTest, RefusedFilesGetTheLoaderMessageOnOneLine) {
  std::string bad_magic_bytes = UpsBytesWithCount(2);
  bad_magic_bytes[0] = 'X';
  const std::string bad_magic = Write("magic.ups", bad_magic_bytes);
  const std::string too_long = Write("long.ups", UpsBytesWithCount(2) + "!");
  const std::string g800 = Write("g800.ups", UpsBytes(MakeHeader("USPRG800", 0), {}));
  const std::string tiny = Write("tiny.ups", "USP");
  const std::string missing = folder_.Path("missing.ups");

  const CommandOutput run =
      RunInProcess(RunCheckCommand, {bad_magic, too_long, g800, tiny, missing});

  EXPECT_EQ(run.exit_code, 1);
  const std::vector<std::string> lines = SplitLines(run.out);
  ASSERT_EQ(lines.size(), 5u) << run.out;
  EXPECT_EQ(lines[0], bad_magic + ": refused: The File: " + bad_magic +
                          "   Is NOT a Valid User Program File");
  EXPECT_EQ(lines[1], too_long + ": refused: The File: " + too_long + "   Has an incorrect length");
  EXPECT_EQ(lines[2], g800 + ": refused: The File: " + g800 +
                          "  Is a G-800 User Program File.   "
                          "1: Open the file on the EM-2000/G-1000 keyboard.  "
                          "2: The data are converted when loading.  "
                          "3: Save the file, and then open it with the Tarnwick.");
  EXPECT_EQ(lines[3],
            tiny + ": refused: The File: " + tiny + "   Is NOT a Valid User Program File");
  EXPECT_EQ(lines[4], missing + ": refused: Error Opening File: " + missing);
  EXPECT_EQ(run.out.find('\r'), std::string::npos);
}

TEST_F(CheckCommandTest, OneRefusedFileAmongGoodOnesFailsTheRunButReportsAll) {
  const std::string good = Write("good.ups", UpsBytesWithCount(3));
  const std::string short_file = Write("short.ups", UpsBytesWithCount(3).substr(0, 1942 + 456));

  const CommandOutput run = RunInProcess(RunCheckCommand, {short_file, good});

  EXPECT_EQ(run.exit_code, 1);
  const std::vector<std::string> lines = SplitLines(run.out);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_NE(lines[0].find("Has an incorrect length"), std::string::npos);
  EXPECT_EQ(lines[1], good + ": library of 3 UPs");
}

}  // namespace
}  // namespace tarnwick::upstool::test
