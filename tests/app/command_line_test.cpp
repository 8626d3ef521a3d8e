// SPDX-License-Identifier: GPL-3.0-or-later
// tarnwick's command line and the files it names in place of the last run's.
#include <gtest/gtest.h>

#include <QDir>

#include "app/command_line.h"
#include "app/named_files.h"
#include "support/temp_folder.h"
#include "support/ups_builder.h"

namespace tarnwick {
namespace {

using Action = CommandLine::Action;

TEST(CommandLineTest, WordsGiveTheActionAndTheFiles) {
  struct Case {
    QStringList words;
    Action action;
    QStringList files;
    QString error;
  };
  const Case cases[] = {
      {{}, Action::Run, {}, {}},
      {{"a.UPS", "../b.ups"}, Action::Run, {"a.UPS", "../b.ups"}, {}},
      {{"a.UPS", "-"}, Action::Run, {"a.UPS", "-"}, {}},
      {{"--", "-odd.UPS", "--help"}, Action::Run, {"-odd.UPS", "--help"}, {}},
      {{"-v"}, Action::ShowVersion, {}, {}},
      {{"a.UPS", "--version", "--help"}, Action::ShowVersion, {"a.UPS"}, {}},
      // Before Qt takes its options away, help and version still win over them.
      {{"-platform", "offscreen", "-h"}, Action::ShowHelp, {"offscreen"}, {}},
      {{"a.UPS", "--frob", "-x"}, Action::UsageError, {"a.UPS"}, "unknown option '--frob'"},
  };
  for (const Case& c : cases) {
    const CommandLine line = ParseCommandLine(c.words);
    const QString words = c.words.join(' ');
    EXPECT_EQ(line.action, c.action) << words.toStdString();
    EXPECT_EQ(line.files, c.files) << words.toStdString();
    EXPECT_EQ(line.error, c.error) << words.toStdString();
  }
}

class NamedFilesTest : public ::testing::Test {
 protected:
  testing::TempFolder folder;
  UPData up;

  void SetUp() override {
    up.files[0].path = "/last/run/zero.UPS";
    up.files[1].path = "/last/run/one.UPS";
  }
  QString here() const { return QString::fromStdString(folder.path().string()); }
  std::string write(const std::string& name, const std::string& bytes) const {
    testing::WriteBytes(folder.file(name), bytes);
    return folder.file(name);
  }
};

TEST_F(NamedFilesTest, FilesThatLoadTakeTheSlotsInTheirOrderWithAbsolutePaths) {
  const std::string set = write("Set.UPS", testing::MakeUPSImage(192));
  std::filesystem::create_directory(folder.path() / "sub");
  const std::string library = write("sub/Lib.ups", testing::MakeUPSImage(0));
  EXPECT_EQ(UseNamedFiles(up, {"sub/../Set.UPS"}, here()), QStringList{});
  EXPECT_EQ(up.files[0].path, set);
  EXPECT_EQ(up.files[1].path, "/last/run/one.UPS");

  // Absolute names do not depend on the current folder.
  EXPECT_EQ(UseNamedFiles(up, {QString::fromStdString(library), QString::fromStdString(set)}, "/elsewhere"),
            QStringList{});
  EXPECT_EQ(up.files[0].path, library);
  EXPECT_EQ(up.files[1].path, set);
}

TEST_F(NamedFilesTest, AFileThatDoesNotLoadLeavesItsSlotWithTheLastRunsFile) {
  write("Good.UPS", testing::MakeUPSImage(2));
  const std::string bad = write("Bad.UPS", testing::MakeUPSImage(2) + "x");
  const QStringList messages = UseNamedFiles(up, {"Bad.UPS", "Good.UPS"}, here());
  ASSERT_EQ(messages.size(), 1);
  EXPECT_EQ(messages[0].toStdString(), "The File: " + bad + "\r\n\r\n Has an incorrect length");
  EXPECT_EQ(up.files[0].path, "/last/run/zero.UPS");
  EXPECT_EQ(up.files[1].path, folder.file("Good.UPS"));

  const QStringList missing = UseNamedFiles(up, {"Gone.UPS"}, here());
  EXPECT_EQ(missing, QStringList{"Error Opening File: " + QString::fromStdString(folder.file("Gone.UPS"))});
  EXPECT_EQ(up.files[0].path, "/last/run/zero.UPS");
  // A folder is no file either.
  EXPECT_EQ(UseNamedFiles(up, {"."}, here()).size(), 1);
  EXPECT_EQ(up.files[0].path, "/last/run/zero.UPS");
}

TEST_F(NamedFilesTest, FilesBeyondTheSecondAreNamedAndNotOpened) {
  for (const char* name : {"A.UPS", "B.UPS", "C.UPS", "D.UPS"}) write(name, testing::MakeUPSImage(1));
  const QStringList messages = UseNamedFiles(up, {"A.UPS", "B.UPS", "C.UPS", "D.UPS"}, here());
  EXPECT_EQ(messages, QStringList{"Tarnwick opens two files at a time, in File 0 and File 1.\r\n\r\n"
                                  "Not opened:\r\nC.UPS\r\nD.UPS"});
  EXPECT_EQ(up.files[0].path, folder.file("A.UPS"));
  EXPECT_EQ(up.files[1].path, folder.file("B.UPS"));
}

}  // namespace
}  // namespace tarnwick
