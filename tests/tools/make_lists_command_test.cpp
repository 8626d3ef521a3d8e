#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "commands.h"
#include "lists/name_lists.h"
#include "upstool_test_support.h"

namespace tarnwick::upstool::test {
namespace {

namespace fs = std::filesystem;

TEST(MakeListsCommandTest, BuildsListsTheLoadersAccept) {
  TempFolder folder;
  const std::string out_dir = folder.Path("lists");

  const CommandOutput run = RunInProcess(RunMakeListsCommand, {TARNWICK_DATA_SOURCE_DIR, out_dir});

  ASSERT_EQ(run.exit_code, 0) << run.err;
  EXPECT_EQ(run.out, out_dir + ": name lists written\n");
  NameTables tables;
  EXPECT_EQ(LoadToneList(tables, out_dir), "");
  EXPECT_EQ(LoadDrumSetList(tables, out_dir), "");
  EXPECT_EQ(LoadStyleList(tables, out_dir), "");
  EXPECT_EQ(LoadEFXList(tables, out_dir), "");
  EXPECT_EQ(fs::file_size(fs::path(out_dir) / kToneListFile), 30570u);
}

TEST(MakeListsCommandTest, ABadTableFailsWithItsMessageAndWritesNothing) {
  TempFolder folder;
  const fs::path sources = folder.root() / "sources";
  fs::copy(TARNWICK_DATA_SOURCE_DIR, sources);
  std::ofstream(sources / "tones.tsv", std::ios::app) << "300\tnot a number\n";
  const std::string out_dir = folder.Path("lists");

  const CommandOutput run = RunInProcess(RunMakeListsCommand, {sources.string(), out_dir});

  EXPECT_EQ(run.exit_code, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_NE(run.err.find("tones.tsv"), std::string::npos) << run.err;
  EXPECT_EQ(SplitLines(run.err).size(), 1u);
  EXPECT_FALSE(fs::exists(fs::path(out_dir) / kToneListFile));
}

}  // namespace
}  // namespace tarnwick::upstool::test
