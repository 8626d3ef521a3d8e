// SPDX-License-Identifier: GPL-3.0-or-later
// The real executable: help, usage errors and exit codes.
#include <gtest/gtest.h>

#include <tuple>

#include "upstool_test_support.h"

namespace tarnwick::upstool::test {
namespace {

TEST(UpstoolCommandLineTest, HelpListsEveryCommand) {
  const CommandOutput help = RunUpstool({"--help"});
  EXPECT_EQ(help.exit_code, 0);
  for (const char* line : {"  check FILE...", "  list FILE [--parts]", "  dl FILE",
                           "  save IN OUT [--force]", "  make-lists SRCDIR OUTDIR"}) {
    EXPECT_NE(help.out.find(line), std::string::npos) << line << " missing from\n" << help.out;
  }
  EXPECT_EQ(RunUpstool({"-h"}).out, help.out);
  EXPECT_EQ(RunUpstool({"help"}).out, help.out);
  const CommandOutput one = RunUpstool({"save", "--help"});
  EXPECT_EQ(one.exit_code, 0);
  EXPECT_TRUE(one.out.starts_with("usage: upstool save IN OUT [--force]\n")) << one.out;
}

TEST(UpstoolCommandLineTest, VersionNamesTheReleaseAndTheLicence) {
  const CommandOutput version = RunUpstool({"--version"});
  EXPECT_EQ(version.exit_code, 0);
  EXPECT_TRUE(version.out.starts_with("upstool (Tarnwick) " TARNWICK_TEST_VERSION "\nLicence GPL-3.0-or-later"))
      << version.out;
  EXPECT_NE(RunUpstool({"--help"}).out.find("  --version"), std::string::npos);
  const CommandOutput extra = RunUpstool({"--version", "x.ups"});
  EXPECT_EQ(extra.exit_code, 2);
  EXPECT_EQ(extra.out, "");
}

TEST(UpstoolCommandLineTest, WrongUseExitsWithTwoAndARefusedFileWithOne) {
  TempFolder folder;
  const std::string bad = WriteFile(folder, "bad.ups", MakeUPSImage(1) + "xx");
  const std::string refusal = "The File: " + bad + "   Has an incorrect length\n";
  const std::vector<std::tuple<std::vector<std::string>, int, std::string>> cases = {
      {{}, 2, "upstool: missing COMMAND\n"},
      {{"lsit", "x.ups"}, 2, "upstool: unknown command 'lsit'\n"},
      {{"save", "in"}, 2, "upstool save: missing OUT\nusage: upstool save IN OUT [--force]\n"},
      {{"save", "a", "b", "c"}, 2, "upstool save: unexpected argument 'c'\n"},
      {{"check", "--parts", "a.ups"}, 2,
       "upstool check: unknown option '--parts'\nusage: upstool check FILE...\n"},
      {{"help", "frob"}, 2, "upstool: unknown command 'frob'\n"},
      {{"help", "list", "dl"}, 2, "upstool help: unexpected argument 'dl'\n"},
      {{"list", bad}, 1, refusal},
      {{"dl", bad}, 1, refusal}};
  for (const auto& [args, exit_code, complaint] : cases) {
    const CommandOutput run = RunUpstool(args);
    EXPECT_EQ(run.exit_code, exit_code) << complaint;
    EXPECT_EQ(run.out, "");
    EXPECT_TRUE(run.err.starts_with(complaint)) << run.err;
  }
}

}  // namespace
}  // namespace tarnwick::upstool::test
