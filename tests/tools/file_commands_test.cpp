// SPDX-License-Identifier: GPL-3.0-or-later
// check, save and make-lists: what they report and what they write.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <tuple>

#include "commands.h"
#include "lists/name_lists.h"
#include "updata/ups_file.h"
#include "upstool_test_support.h"

namespace tarnwick::upstool::test {
namespace {

namespace fs = std::filesystem;

TEST(CheckCommandTest, NamesSetsAndLibrariesByTheirCount) {
  TempFolder folder;
  std::vector<std::string> paths;
  std::string expected;
  // A 192-UP file stored with the library magic is still a set: the count decides.
  for (const auto& [count, magic, holds] : {std::tuple{192, "USPrGMIL", "set of 192 UPs"},
                                            {1, "*SPrGMIL", "library of 1 UPs"},
                                            {0, "*SPrGMIL", "library of 0 UPs"},
                                            {193, "*SPrGMIL", "library of 193 UPs"},
                                            {192, "*SPrGMIL", "set of 192 UPs"}}) {
    paths.push_back(WriteFile(folder, std::to_string(paths.size()), MakeUPSImage(count, magic)));
    expected += paths.back() + ": " + holds + "\n";
  }
  const CommandOutput run = RunInProcess(RunCheckCommand, paths);
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.out, expected);
  EXPECT_EQ(run.err, "");
}

TEST(CheckCommandTest, ReportsEveryRefusalOnOneLineAndFails) {
  TempFolder folder;
  const std::string magic = WriteFile(folder, "magic.ups", MakeUPSImage(2, "XSPrGMIL"));
  const std::string length = WriteFile(folder, "long.ups", MakeUPSImage(2) + "!");
  const std::string g800 = WriteFile(folder, "g800.ups", MakeUPSImage(0, "USPRG800"));
  const std::string good = WriteFile(folder, "good.ups", MakeUPSImage(3));

  // A lone "-" is a file name, and so is every word after "--".
  const CommandOutput run =
      RunInProcess(RunCheckCommand, {magic, length, g800, "-", "--", "--gone", good});

  EXPECT_EQ(run.exit_code, 1);
  EXPECT_EQ(Split(run.out),
            (std::vector<std::string>{
                magic + ": refused: The File: " + magic + "   Is NOT a Valid User Program File",
                length + ": refused: The File: " + length + "   Has an incorrect length",
                // The loader's message has line breaks; each becomes one blank.
                g800 + ": refused: The File: " + g800 + "  Is a G-800 User Program File.   " +
                    "1: Open the file on the EM-2000/G-1000 keyboard.  " +
                    "2: The data are converted when loading.  " +
                    "3: Save the file, and then open it with the Tarnwick.",
                "-: refused: Error Opening File: -",
                "--gone: refused: Error Opening File: --gone", good + ": library of 3 UPs"}));
}

TEST(SaveCommandTest, AnythingAtOutIsReplacedOnlyWithForce) {
  TempFolder folder;
  const std::string in = WriteFile(folder, "in.ups", MakeUPSImage(2));
  const std::string out = WriteFile(folder, "out.ups", "precious");
  fs::create_directory(folder.path() / "folder");
  fs::create_symlink(folder.path() / "nowhere", folder.path() / "link");

  for (const std::string& taken : {out, folder.file("folder"), folder.file("link")}) {
    const CommandOutput refused = RunInProcess(RunSaveCommand, {in, taken});
    EXPECT_EQ(refused.exit_code, 1) << taken;
    EXPECT_EQ(refused.err,
              "upstool save: " + taken + " already exists; add --force to replace it\n");
  }
  EXPECT_EQ(ReadBytes(out), "precious");
  EXPECT_FALSE(fs::exists(folder.path() / "nowhere"));

  // An option may stand anywhere, and more than once.
  const CommandOutput forced = RunInProcess(RunSaveCommand, {"--force", in, "--force", out});
  EXPECT_EQ(forced.out, out + ": saved library of 2 UPs\n");
  EXPECT_EQ(ReadBytes(out), ReadBytes(in));
  EXPECT_EQ(RunInProcess(RunSaveCommand, {out, out, "--force"}).exit_code, 0);  // onto itself
  EXPECT_EQ(ReadBytes(out), ReadBytes(in));
}

TEST(SaveCommandTest, ARefusedInOrAnUnwritableOutWritesNothing) {
  TempFolder folder;
  const std::string bad = WriteFile(folder, "bad.ups", "not a UPS file");
  const std::string in = WriteFile(folder, "in.ups", MakeUPSImage(1));
  const std::string unreachable = folder.file("no/such/folder.ups");

  const CommandOutput refused = RunInProcess(RunSaveCommand, {bad, folder.file("out.ups")});
  EXPECT_EQ(refused.exit_code, 1);
  EXPECT_EQ(refused.err, "The File: " + bad + "   Is NOT a Valid User Program File\n");
  const CommandOutput unwritable = RunInProcess(RunSaveCommand, {in, unreachable});
  EXPECT_EQ(unwritable.exit_code, 1);
  EXPECT_EQ(unwritable.err, "Error Saving File: " + unreachable + "\n");
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), {}), 2);

  // A FIFO is neither read (which would wait for a writer) nor replaced, even with --force.
  const std::string fifo = folder.file("pipe.ups");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
  EXPECT_EQ(RunUpstool({"check", fifo}).exit_code, 1);
  const CommandOutput ontoFifo = RunUpstool({"save", in, fifo, "--force"});
  EXPECT_EQ(ontoFifo.exit_code, 1);
  EXPECT_EQ(ontoFifo.err, "Error Saving File: " + fifo + "\n");
  EXPECT_TRUE(fs::is_fifo(fifo));
}

TEST(MakeListsCommandTest, BuildsListsTheLoadersAccept) {
  TempFolder folder;
  const std::string out_dir = folder.file("lists");

  const CommandOutput run = RunInProcess(RunMakeListsCommand, {TARNWICK_DATA_SOURCE_DIR, out_dir});

  ASSERT_EQ(run.exit_code, 0) << run.err;
  EXPECT_EQ(run.out, out_dir + ": name lists written\n");
  NameTables tables;
  EXPECT_EQ(LoadToneList(tables, out_dir), "");
  EXPECT_EQ(LoadDrumSetList(tables, out_dir), "");
  EXPECT_EQ(LoadStyleList(tables, out_dir), "");
  EXPECT_EQ(LoadEFXList(tables, out_dir), "");
}

TEST(MakeListsCommandTest, ABadTableFailsWithItsMessageAndWritesNothing) {
  TempFolder folder;
  const fs::path sources = folder.path() / "sources";
  fs::copy(TARNWICK_DATA_SOURCE_DIR, sources);
  std::ofstream(sources / "tones.tsv", std::ios::app) << "300\tnot a number\n";
  const std::string out_dir = folder.file("lists");

  const CommandOutput run = RunInProcess(RunMakeListsCommand, {sources.string(), out_dir});

  EXPECT_EQ(run.exit_code, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_NE(run.err.find("tones.tsv"), std::string::npos) << run.err;
  EXPECT_EQ(Split(run.err).size(), 1u);
  EXPECT_FALSE(fs::exists(fs::path(out_dir) / kToneListFile));
}

}  // namespace
}  // namespace tarnwick::upstool::test
