#include <gtest/gtest.h>

#include <filesystem>

#include "commands.h"
#include "updata/ups_file.h"
#include "upstool_test_support.h"

namespace tarnwick::upstool::test {
namespace {

namespace fs = std::filesystem;

class SaveCommandTest : public ::testing::Test {
 protected:
  std::string Write(std::string_view name, std::string_view bytes) {
    const std::string path = folder_.Path(name);
    WriteBytes(path, bytes);
    return path;
  }

  std::size_t FilesInFolder() const {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder_.root()), {}));
  }

  TempFolder folder_;
};

TEST_F(SaveCommandTest, WritesWhatTheSerializerMakesOfTheLoadedFile) {
  // Every byte of the header and the records differs, so any byte that is dropped, moved or
  // re-encoded shows.
  UPSHeader header = MakeHeader("*SPrGMIL", 3);
  for (int i = 60; i < 1942; ++i) header[i] = static_cast<std::uint8_t>(i * 7);
  std::vector<UPRecord> records(3);
  for (std::size_t id = 0; id < records.size(); ++id) {
    for (std::size_t i = 0; i < records[id].size(); ++i)
      records[id][i] = static_cast<std::uint8_t>(i + id * 31);
  }
  const std::string in = Write("in.ups", UpsBytes(header, records));
  const std::string out = folder_.Path("out.ups");

  const CommandOutput run = RunInProcess(RunSaveCommand, {in, out});

  ASSERT_EQ(run.exit_code, 0) << run.err;
  EXPECT_EQ(run.out, out + ": saved library of 3 UPs\n");
  UPFile loaded;
  ASSERT_TRUE(LoadUPSFile(loaded, in));
  EXPECT_EQ(ReadBytes(out), SerializeUPSFile(loaded));
  EXPECT_EQ(ReadBytes(out), ReadBytes(in));  // its magic already fitted: a byte-identical copy
  EXPECT_EQ(FilesInFolder(), 2u);            // no temporary file left behind
}

TEST_F(SaveCommandTest, GivesTheMagicThatFitsTheCount) {
  const std::vector<UPRecord> records(192, NamedUP("set"));
  const std::string in = Write("in.ups", UpsBytes(MakeHeader("*SPrGMIL", 192), records));
  const std::string out = folder_.Path("out.ups");

  ASSERT_EQ(RunInProcess(RunSaveCommand, {in, out}).exit_code, 0);

  const std::string written = ReadBytes(out);
  EXPECT_EQ(written.substr(0, 8), "USPrGMIL");
  EXPECT_EQ(written.substr(8), ReadBytes(in).substr(8));
}

TEST_F(SaveCommandTest, AnExistingOutIsReplacedOnlyWithForce) {
  const std::string in = Write("in.ups", UpsBytesWithCount(2));
  const std::string out = Write("out.ups", "precious");

  const CommandOutput refused = RunInProcess(RunSaveCommand, {in, out});
  EXPECT_EQ(refused.exit_code, 1);
  EXPECT_EQ(refused.err, "upstool save: " + out + " already exists; add --force to replace it\n");
  EXPECT_EQ(ReadBytes(out), "precious");

  const CommandOutput forced = RunInProcess(RunSaveCommand, {in, out, "--force"});
  EXPECT_EQ(forced.exit_code, 0) << forced.err;
  EXPECT_EQ(ReadBytes(out), ReadBytes(in));
  EXPECT_EQ(FilesInFolder(), 2u);
}

TEST_F(SaveCommandTest, AFolderOrADanglingLinkAtOutCountsAsTaken) {
  const std::string in = Write("in.ups", UpsBytesWithCount(1));
  fs::create_directory(folder_.root() / "folder");
  fs::create_symlink(folder_.root() / "nowhere", folder_.root() / "link");

  EXPECT_EQ(RunInProcess(RunSaveCommand, {in, folder_.Path("folder")}).exit_code, 1);
  EXPECT_EQ(RunInProcess(RunSaveCommand, {in, folder_.Path("link")}).exit_code, 1);
  EXPECT_FALSE(fs::exists(folder_.root() / "nowhere"));
}

TEST_F(SaveCommandTest, SavingOverItsOwnInputWithForceKeepsTheData) {
  const std::string bytes = UpsBytesWithCount(5);
  const std::string path = Write("same.ups", bytes);

  EXPECT_EQ(RunInProcess(RunSaveCommand, {path, path, "--force"}).exit_code, 0);
  EXPECT_EQ(ReadBytes(path), bytes);
}

TEST_F(SaveCommandTest, FailuresWriteNothing) {
  const std::string bad = Write("bad.ups", "not a UPS file");
  const std::string out = folder_.Path("out.ups");
  const CommandOutput refused = RunInProcess(RunSaveCommand, {bad, out});
  EXPECT_EQ(refused.exit_code, 1);
  EXPECT_EQ(refused.err, "The File: " + bad + "   Is NOT a Valid User Program File\n");
  EXPECT_FALSE(fs::exists(out));

  const std::string in = Write("in.ups", UpsBytesWithCount(1));
  const std::string unreachable = folder_.Path("no/such/folder.ups");
  const CommandOutput unwritable = RunInProcess(RunSaveCommand, {in, unreachable});
  EXPECT_EQ(unwritable.exit_code, 1);
  EXPECT_EQ(unwritable.err, "Error Saving File: " + unreachable + "\n");
  EXPECT_EQ(FilesInFolder(), 2u);
}

}  // namespace
}  // namespace tarnwick::upstool::test
