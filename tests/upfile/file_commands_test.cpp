#include "upfile/file_commands.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "updata/ups_file.h"
#include "upfile/fake_user_dialogs.h"
#include "upfile/file_rules.h"
#include "upfile/qt_printers.h"
#include "upfile/up_samples.h"

namespace tarnwick {
namespace {

using Answer = UserDialogs::Answer;
using Outcome = FileCommands::Outcome;
using testing::FakeUserDialogs;
using testing::MarkOf;
using testing::WriteSampleFile;

class FileCommandsTest : public ::testing::Test {
 protected:
  QString file(const QString& name) const { return folder.filePath(name); }
  std::string path(const QString& name) const { return file(name).toStdString(); }
  QString templatePath() const { return TemplatePath(folder.path()); }
  int count(int slot) const { return data.files[static_cast<std::size_t>(slot)].count; }

  QTemporaryDir folder;
  UPData data;
  std::array<bool, 2> modified{false, false};
  FakeUserDialogs dialogs;
  FileCommands commands{data, modified, dialogs, folder.path(), templatePath()};
};

TEST(SaveAsPathRule, ReplacesOnlyTheExtensionOfTheFileName) {
  EXPECT_EQ(SaveAsPath(QStringLiteral("/music/v1.2/set.txt")), QStringLiteral("/music/v1.2/set.ups"));
  EXPECT_EQ(SaveAsPath(QStringLiteral("/music/v1.2/set")), QStringLiteral("/music/v1.2/set.ups"));
  EXPECT_EQ(SaveAsPath(QStringLiteral("/music/SET.UPS")), QStringLiteral("/music/SET.UPS"));
  EXPECT_EQ(SaveAsPath(QStringLiteral("/music/.hidden")), QStringLiteral("/music/.hidden.ups"));
  EXPECT_EQ(SaveAsPath(QStringLiteral("/music/set.")), QStringLiteral("/music/set.ups"));
  EXPECT_EQ(SaveAsPath(QStringLiteral("/music/")), QString());
}

TEST_F(FileCommandsTest, NewStartsFromTheTemplate) {
  ASSERT_TRUE(WriteSampleFile(templatePath().toStdString(), 3, 500));
  EXPECT_EQ(commands.New(1), Outcome::Emptied);
  EXPECT_EQ(count(1), 3);
  EXPECT_EQ(MarkOf(data.files[1].up(2)), 502);
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(FileCommandsTest, OpenDialogHasTitleFiltersAndStartFolder) {
  data.files[0] = testing::SampleFile(192);
  commands.Open(0);
  ASSERT_EQ(dialogs.fileDialogs.size(), 1u);
  EXPECT_EQ(dialogs.fileDialogs[0].title, QStringLiteral("Open Roland EM-2000  -  UPS File"));
  EXPECT_EQ(dialogs.fileDialogs[0].filters,
            (QStringList{QStringLiteral("Roland EM-2000 UPS (*.UPS *.ups)"), QStringLiteral("All (*)")}));
  EXPECT_EQ(dialogs.fileDialogs[0].start, folder.path());

  ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("PERFSET")));
  data.files[0] = testing::SampleFile(5);
  commands.Open(0);
  EXPECT_EQ(dialogs.fileDialogs[1].title, QStringLiteral("Open Roland EM-2000  -  UP Lib File"));
  EXPECT_EQ(dialogs.fileDialogs[1].start, file(QStringLiteral("PERFSET")));

  ASSERT_TRUE(WriteSampleFile(path(QStringLiteral("a.UPS")), 2));
  data.files[0].path = path(QStringLiteral("a.UPS"));
  commands.Open(0);
  EXPECT_EQ(dialogs.fileDialogs[2].start, file(QStringLiteral("a.UPS")));
  EXPECT_EQ(count(0), 5);  // all three dialogs were cancelled
}

TEST_F(FileCommandsTest, AFailedOpenShowsTheLoaderMessageAndAsksNothing) {
  QFile bad(file(QStringLiteral("bad.ups")));
  ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
  bad.write("not a ups file");
  bad.close();
  data.files[0] = testing::SampleFile(3);
  modified[0] = true;
  dialogs.fileNames = {bad.fileName()};
  EXPECT_EQ(commands.Open(0), Outcome::Unchanged);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_TRUE(dialogs.messages[0].text.endsWith(QStringLiteral(" Is NOT a Valid User Program File")));
  EXPECT_TRUE(dialogs.questions.empty());
  EXPECT_EQ(count(0), 3);
  EXPECT_TRUE(modified[0]);
}

TEST_F(FileCommandsTest, SaveAsRefusesTheOtherGridsPathAndAsksAgain) {
  data.files[0] = testing::SampleFile(4);
  data.files[1].path = path(QStringLiteral("other.ups"));
  dialogs.fileNames = {file(QStringLiteral("other.txt")), file(QStringLiteral("mine"))};
  EXPECT_EQ(commands.SaveAs(0), Outcome::Replaced);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text,
            file(QStringLiteral("other.ups")) +
                "\r\n\r\nIs already open in the other Grid\r\n\r\nChose another Filename, Please");
  EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("File Save As"));
  ASSERT_EQ(dialogs.fileDialogs.size(), 2u);
  EXPECT_EQ(dialogs.fileDialogs[0].title, QStringLiteral("Save Roland EM-2000  -  UP Lib File"));
  EXPECT_FALSE(QFile::exists(file(QStringLiteral("other.ups"))));
  EXPECT_EQ(data.files[0].path, path(QStringLiteral("mine.ups")));
  UPFile back;
  ASSERT_TRUE(LoadUPSFile(back, path(QStringLiteral("mine.ups"))));
  EXPECT_EQ(back.count, 4);
  EXPECT_TRUE(commands.buttons(0).save && commands.buttons(1).save);
}

TEST_F(FileCommandsTest, SaveAsKeepsADottedFolderAndAsksBeforeReplacing) {
  ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("v1.2")));
  const QString target = file(QStringLiteral("v1.2/set.ups"));
  ASSERT_TRUE(WriteSampleFile(target.toStdString(), 9));
  data.files[0] = testing::SampleFile(2);
  modified[0] = true;
  dialogs.fileNames = {file(QStringLiteral("v1.2/set"))};
  dialogs.answers = {Answer::No};
  EXPECT_EQ(commands.SaveAs(0), Outcome::Unchanged);
  ASSERT_EQ(dialogs.questions.size(), 1u);
  EXPECT_EQ(dialogs.questions[0].title, QStringLiteral("Save File"));
  UPFile untouched;
  ASSERT_TRUE(LoadUPSFile(untouched, target.toStdString()));
  EXPECT_EQ(untouched.count, 9);
  EXPECT_TRUE(modified[0]);
  EXPECT_FALSE(QFile::exists(file(QStringLiteral("v1.ups"))));
}

TEST_F(FileCommandsTest, UnsavedChangesCanBeKeptDiscardedOrSaved) {
  ASSERT_TRUE(WriteSampleFile(path(QStringLiteral("a.ups")), 3));
  dialogs.fileNames = {file(QStringLiteral("a.ups"))};
  ASSERT_EQ(commands.Open(0), Outcome::Replaced);
  SetUPCount(data.files[0], 5);
  modified[0] = true;

  dialogs.answers = {Answer::Cancel};
  EXPECT_EQ(commands.New(0), Outcome::Unchanged);
  EXPECT_EQ(count(0), 5);
  ASSERT_EQ(dialogs.questions.size(), 1u);
  EXPECT_EQ(dialogs.questions[0].text,
            QStringLiteral("File 0 (a.ups) has unsaved changes.\r\n\r\nSave the changes?"));
  EXPECT_EQ(dialogs.questions[0].title, QStringLiteral("Unsaved Changes"));

  dialogs.answers = {Answer::Save};
  EXPECT_EQ(commands.New(0), Outcome::Emptied);
  UPFile saved;
  ASSERT_TRUE(LoadUPSFile(saved, path(QStringLiteral("a.ups"))));
  EXPECT_EQ(saved.count, 5);
  EXPECT_FALSE(modified[0]);

  SetUPCount(data.files[0], 8);
  modified[0] = true;
  dialogs.answers = {Answer::Discard};
  EXPECT_EQ(commands.New(0), Outcome::Emptied);
  EXPECT_EQ(count(0), 0);
  ASSERT_TRUE(LoadUPSFile(saved, path(QStringLiteral("a.ups"))));
  EXPECT_EQ(saved.count, 5);
}

TEST_F(FileCommandsTest, CloseAllStopsAtTheFirstCancelOrFailedSave) {
  data.files[0] = testing::SampleFile(2);
  data.files[1] = testing::SampleFile(3);
  modified = {true, true};
  dialogs.answers = {Answer::Discard, Answer::Cancel};
  EXPECT_FALSE(commands.ConfirmCloseAll());
  // Saving an unnamed file needs a name; cancelling its dialog cancels the close.
  dialogs.answers = {Answer::Save};
  EXPECT_FALSE(commands.ConfirmCloseAll());
  EXPECT_TRUE(modified[0] && modified[1]);
  dialogs.answers = {Answer::Discard, Answer::Discard};
  EXPECT_TRUE(commands.ConfirmCloseAll());
}

TEST_F(FileCommandsTest, AFileOfTheLastRunThatNoLongerLoadsIsNotKeptAsItsPath) {
  QFile bad(file(QStringLiteral("short.ups")));
  ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
  bad.write("*SPrGMIL");
  bad.close();
  ASSERT_TRUE(WriteSampleFile(path(QStringLiteral("good.ups")), 6));
  data.files[0].path = bad.fileName().toStdString();
  data.files[1].path = path(QStringLiteral("good.ups"));
  EXPECT_EQ(commands.LoadAtStart(0), Outcome::Emptied);
  EXPECT_TRUE(data.files[0].path.empty());
  EXPECT_EQ(dialogs.messages.size(), 2u);  // the loader's message, then the missing template
  EXPECT_EQ(commands.LoadAtStart(1), Outcome::Replaced);
  EXPECT_EQ(count(1), 6);
  EXPECT_TRUE(commands.buttons(1).save);
  EXPECT_TRUE(commands.buttons(1).openFrom);
}

}  // namespace
}  // namespace tarnwick
