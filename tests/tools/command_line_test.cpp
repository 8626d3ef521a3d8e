// The real executable: its command table, help, usage errors and exit codes.
#include <gtest/gtest.h>

#include "upstool_test_support.h"

namespace tarnwick::upstool::test {
namespace {

bool Contains(const std::string& text, std::string_view part) {
  return text.find(part) != std::string::npos;
}

TEST(UpstoolCommandLineTest, HelpListsEveryCommand) {
  for (const char* word : {"--help", "help", "-h"}) {
    const CommandOutput run = RunUpstool({word});
    EXPECT_EQ(run.exit_code, 0) << word;
    EXPECT_EQ(run.err, "");
    for (const char* line : {"  check FILE...", "  list FILE [--parts]", "  dl FILE",
                             "  save IN OUT [--force]", "  make-lists SRCDIR OUTDIR"}) {
      EXPECT_TRUE(Contains(run.out, line)) << line << " missing from\n" << run.out;
    }
  }
  const CommandOutput one = RunUpstool({"save", "--help"});
  EXPECT_EQ(one.exit_code, 0);
  EXPECT_EQ(SplitLines(one.out)[0], "usage: upstool save IN OUT [--force]");
  EXPECT_EQ(RunUpstool({"help", "dl"}).out.rfind("usage: upstool dl FILE\n", 0), 0u);
}

TEST(UpstoolCommandLineTest, WrongUseExitsWithTwoAndSaysWhy) {
  const CommandOutput nothing = RunUpstool({});
  EXPECT_EQ(nothing.exit_code, 2);
  EXPECT_EQ(nothing.out, "");
  EXPECT_TRUE(Contains(nothing.err, "missing COMMAND"));

  const CommandOutput unknown = RunUpstool({"lsit", "x.ups"});
  EXPECT_EQ(unknown.exit_code, 2);
  EXPECT_TRUE(Contains(unknown.err, "unknown command 'lsit'"));

  const CommandOutput missing = RunUpstool({"dl"});
  EXPECT_EQ(missing.exit_code, 2);
  EXPECT_EQ(missing.err, "upstool dl: missing FILE\nusage: upstool dl FILE\n");

  const CommandOutput option = RunUpstool({"check", "--parts", "a.ups"});
  EXPECT_EQ(option.exit_code, 2);
  EXPECT_EQ(option.err, "upstool check: unknown option '--parts'\nusage: upstool check FILE...\n");

  EXPECT_EQ(RunUpstool({"help", "frob"}).exit_code, 2);
  EXPECT_EQ(RunUpstool({"help", "list", "dl"}).exit_code, 2);
}

TEST(UpstoolCommandLineTest, ARefusedFileMakesTheRunFail) {
  TempFolder folder;
  const std::string good = folder.Path("good.ups");
  const std::string bad = folder.Path("bad.ups");
  WriteBytes(good, UpsBytesWithCount(192));
  WriteBytes(bad, "USPrGMIL");

  EXPECT_EQ(RunUpstool({"check", good}).exit_code, 0);
  const CommandOutput mixed = RunUpstool({"check", good, bad});
  EXPECT_EQ(mixed.exit_code, 1);
  EXPECT_EQ(SplitLines(mixed.out).size(), 2u);
  EXPECT_EQ(RunUpstool({"list", bad}).exit_code, 1);
}

}  // namespace
}  // namespace tarnwick::upstool::test
