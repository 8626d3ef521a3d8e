// SPDX-License-Identifier: GPL-3.0-or-later
// New, Open, Save As and closing with unsaved changes, without the window.
#include "upfile/file_commands.h"

#include <gtest/gtest.h>

#include "support/recording_dialogs.h"
#include "support/temp_folder.h"
#include "updata/ups_file.h"
#include "upfile/file_rules.h"
#include "upfile/qt_printers.h"
#include "upfile/up_samples.h"

namespace tarnwick {
namespace {

using Answer = UserDialogs::Answer;
using Kind = testing::RecordingDialogs::Kind;
using Outcome = FileCommands::Outcome;
using testing::WriteSampleFile;

TEST(SaveAsPathRule, ReplacesOnlyTheExtensionOfTheFileName) {
  EXPECT_EQ(SaveAsPath(QStringLiteral("/music/v1.2/set.txt")), QStringLiteral("/music/v1.2/set.ups"));
  EXPECT_EQ(SaveAsPath(QStringLiteral("/music/v1.2/set")), QStringLiteral("/music/v1.2/set.ups"));
  EXPECT_EQ(SaveAsPath(QStringLiteral("/music/SET.UPS")), QStringLiteral("/music/SET.UPS"));
  EXPECT_EQ(SaveAsPath(QStringLiteral("/music/.hidden")), QStringLiteral("/music/.hidden.ups"));
  EXPECT_EQ(SaveAsPath(QStringLiteral("/music/set.")), QStringLiteral("/music/set.ups"));
  EXPECT_EQ(SaveAsPath(QStringLiteral("/music/")), QString());
}

class FileCommandsTest : public ::testing::Test {
 protected:
  QString file(const char* name) const { return QString::fromStdString(folder.file(name)); }
  int count(int slot) const { return data.files[static_cast<std::size_t>(slot)].count; }
  int countOnDisk(const char* name) const {
    UPFile loaded;
    return LoadUPSFile(loaded, folder.file(name)) ? loaded.count : -1;
  }

  testing::TempFolder folder;
  QString programFolder = QString::fromStdString(folder.path().string());
  UPData data;
  std::array<FileHistory, 2> history;
  testing::RecordingDialogs dialogs;
  FileCommands commands{data, history, dialogs, programFolder, TemplatePath(programFolder)};

  // An unsaved change to `file` (its record 0 rewritten as it was).
  void change(int file) {
    const UPRecord up = data.files[static_cast<std::size_t>(file)].up(0);
    history[static_cast<std::size_t>(file)].Record({FileStep::Kind::Overwrite, "Edit", {0}, {up}, {up}, {}});
  }
  bool modified(int file) const { return history[static_cast<std::size_t>(file)].Modified(); }
};

TEST_F(FileCommandsTest, NewStartsFromTheTemplate) {
  ASSERT_TRUE(WriteSampleFile(TemplatePath(programFolder).toStdString(), 3, 500));
  EXPECT_EQ(commands.New(1), Outcome::Emptied);
  EXPECT_EQ(count(1), 3);
  EXPECT_EQ(testing::MarkOf(data.files[1].up(2)), 502);
  EXPECT_TRUE(dialogs.shown.empty());
}

// The unsaved-changes question comes before the read: a file that then fails to load changes
// nothing, and a file saved on the way is read as it now stands on the disk.
TEST_F(FileCommandsTest, OpenAsksFirstThenReads) {
  testing::WriteBytes(folder.file("bad.ups"), "not a ups file");
  data.files[0] = testing::SampleFile(3);
  change(0);
  dialogs.fileNames = {file("bad.ups")};
  dialogs.answers = {Answer::Discard};
  EXPECT_EQ(commands.Open(0), Outcome::Unchanged);
  ASSERT_EQ(dialogs.shown.size(), 3u);  // the file dialog, the question, the loader's message
  EXPECT_EQ(dialogs.shown[1].kind, Kind::SaveDiscardCancel);
  EXPECT_TRUE(dialogs.messages().at(0).endsWith(QStringLiteral(" Is NOT a Valid User Program File")));
  EXPECT_EQ(count(0), 3);
  EXPECT_TRUE(modified(0));

}

TEST_F(FileCommandsTest, OpenAnsweredWithSaveReadsTheSavedFile) {
  ASSERT_TRUE(WriteSampleFile(folder.file("set.ups"), 5));
  data.files[0].path = folder.file("set.ups");
  ASSERT_EQ(commands.LoadAtStart(0), Outcome::Replaced);
  SetUPCount(data.files[0], 4);  // one UP deleted since the file was read
  change(0);
  dialogs.fileNames = {file("set.ups")};
  dialogs.answers = {Answer::Save};
  EXPECT_EQ(commands.Open(0), Outcome::Replaced);
  EXPECT_EQ(countOnDisk("set.ups"), 4);
  EXPECT_EQ(count(0), 4);
  EXPECT_FALSE(modified(0));
}

TEST_F(FileCommandsTest, OpenFromAnsweredWithSaveReadsTheSavedFile) {
  ASSERT_TRUE(WriteSampleFile(folder.file("set.ups"), 5));
  data.files[0].path = folder.file("set.ups");
  ASSERT_EQ(commands.LoadAtStart(0), Outcome::Replaced);
  data.files[1].path = folder.file("set.ups");
  ASSERT_EQ(commands.LoadAtStart(1), Outcome::Replaced);
  SetUPCount(data.files[0], 2);
  change(0);
  dialogs.answers = {Answer::Save};
  EXPECT_EQ(commands.OpenFrom(1), Outcome::Replaced);
  EXPECT_EQ(countOnDisk("set.ups"), 2);
  EXPECT_EQ(count(0), 2);
  EXPECT_FALSE(modified(0));
}

TEST_F(FileCommandsTest, SaveAsAsksBeforeReplacingAFile) {
  ASSERT_TRUE(WriteSampleFile(folder.file("set.ups"), 9));
  data.files[0] = testing::SampleFile(2);
  change(0);
  dialogs.fileNames = {file("set")};
  dialogs.answers = {Answer::No};
  EXPECT_EQ(commands.SaveAs(0), Outcome::Unchanged);
  ASSERT_EQ(dialogs.shown.size(), 2u);
  EXPECT_EQ(dialogs.shown[1].kind, Kind::YesNo);
  EXPECT_EQ(dialogs.shown[1].title, QStringLiteral("Save File"));
  EXPECT_EQ(countOnDisk("set.ups"), 9);
  EXPECT_TRUE(modified(0));
}

// Closing asks about each changed file; a cancel, or a save that gets no name, stops it.
TEST_F(FileCommandsTest, CloseAllStopsAtTheFirstCancelOrFailedSave) {
  data.files[0] = testing::SampleFile(2);
  data.files[1] = testing::SampleFile(3);
  change(0), change(1);
  dialogs.answers = {Answer::Discard, Answer::Cancel};
  EXPECT_FALSE(commands.ConfirmCloseAll());
  dialogs.answers = {Answer::Save};
  EXPECT_FALSE(commands.ConfirmCloseAll());
  EXPECT_TRUE(modified(0) && modified(1));
  EXPECT_EQ(count(1), 3);
  dialogs.answers = {Answer::Discard, Answer::Discard};
  EXPECT_TRUE(commands.ConfirmCloseAll());
}

TEST_F(FileCommandsTest, AFileOfTheLastRunThatNoLongerLoadsIsForgotten) {
  testing::WriteBytes(folder.file("short.ups"), "*SPrGMIL");
  ASSERT_TRUE(WriteSampleFile(folder.file("good.ups"), 6));
  data.files[0].path = folder.file("short.ups");
  data.files[1].path = folder.file("good.ups");
  EXPECT_EQ(commands.LoadAtStart(0), Outcome::Emptied);
  EXPECT_TRUE(data.files[0].path.empty());
  EXPECT_EQ(commands.LoadAtStart(1), Outcome::Replaced);
  EXPECT_EQ(count(1), 6);
}

}  // namespace
}  // namespace tarnwick
