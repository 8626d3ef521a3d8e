// SPDX-License-Identifier: GPL-3.0-or-later
// The demo file writer used for screenshots: help and wrong use write nothing anywhere.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

#include "upstool_test_support.h"

namespace tarnwick::upstool::test {
namespace {

// Runs the writer in `folder` as the working folder.
CommandOutput RunDemoFiles(const TempFolder& folder, const std::string& args) {
  const std::string line = "cd '" + folder.path().string() + "' && '" DEMO_FILES_EXECUTABLE "' " + args +
                            " >out.txt 2>err.txt";
  const int status = std::system(line.c_str());
  CommandOutput result{WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadBytes(folder.file("out.txt")),
                       ReadBytes(folder.file("err.txt"))};
  std::filesystem::remove(folder.file("out.txt"));
  std::filesystem::remove(folder.file("err.txt"));
  return result;
}

std::size_t EntriesIn(const TempFolder& folder) {
  return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder.path()), {}));
}

TEST(DemoFilesTest, HelpAndWrongUseAnswerWithUsageAndWriteNothing) {
  TempFolder folder;
  for (const char* help : {"--help", "-h", "out --help"}) {
    const CommandOutput shown = RunDemoFiles(folder, help);
    EXPECT_EQ(shown.exit_code, 0) << help;
    EXPECT_TRUE(shown.out.starts_with("usage: tarnwick-demo-files OUTDIR [LIBRARY_COUNT]\n")) << shown.out;
  }
  for (const char* wrong : {"", "--frob", ". 12x", ". 0", ". 70000", ". 5 6"}) {
    const CommandOutput refused = RunDemoFiles(folder, wrong);
    EXPECT_EQ(refused.exit_code, 2) << wrong;
    EXPECT_TRUE(refused.err.starts_with("tarnwick-demo-files: ")) << refused.err;
    EXPECT_NE(refused.err.find("usage: "), std::string::npos) << refused.err;
  }
  EXPECT_EQ(EntriesIn(folder), 0u);

  const CommandOutput written = RunDemoFiles(folder, ". 5");
  EXPECT_EQ(written.exit_code, 0) << written.err;
  EXPECT_EQ(ReadBytes(folder.file("Library.UPS")).size(), 1942u + 5u * 456u);
  EXPECT_EQ(ReadBytes(folder.file("Gig.UPS")).size(), 1942u + 192u * 456u);
}

}  // namespace
}  // namespace tarnwick::upstool::test
