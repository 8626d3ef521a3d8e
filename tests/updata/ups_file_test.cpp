// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "support/temp_folder.h"
#include "support/ups_builder.h"
#include "updata/ups_file.h"

namespace tarnwick {
namespace {

using testing::MakeUPSImage;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

// A loaded slot whose state a failed load must not touch.
UPFile LoadedSlot(const TempFolder& folder, int count, std::uint32_t seed) {
  const std::string path = folder.file("slot.ups");
  WriteBytes(path, MakeUPSImage(count, seed));
  UPFile file;
  EXPECT_TRUE(LoadUPSFile(file, path));
  file.path = path;
  return file;
}

void ExpectSameSlot(const UPFile& a, const UPFile& b) {
  EXPECT_EQ(a.count, b.count);
  EXPECT_EQ(a.header, b.header);
  EXPECT_EQ(a.path, b.path);
  ASSERT_EQ(a.records.size(), b.records.size());
  EXPECT_TRUE(a.records == b.records);
}

std::vector<std::string> FilesIn(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

TEST(UPSFile, RoundTripKeepsEveryByte) {
  TempFolder folder;
  for (int count : {0, 1, 2, 191, 192, 193, 1000, 65535}) {
    const std::string image = MakeUPSImage(count, static_cast<std::uint32_t>(count) + 11);
    const std::string in = folder.file("in.ups");
    const std::string out = folder.file("out.ups");
    WriteBytes(in, image);
    UPFile file;
    ASSERT_TRUE(LoadUPSFile(file, in)) << count;
    EXPECT_EQ(file.count, count);
    ASSERT_TRUE(SaveUPSFile(file, out)) << count;
    EXPECT_EQ(ReadBytes(out), image) << "count " << count;
  }
}

TEST(UPSFile, SaveWritesTheMagicAndCountThatFitTheFile) {
  TempFolder folder;
  const std::string in = folder.file("in.ups");
  WriteBytes(in, MakeUPSImage(192, "*SPrGMIL", 3));  // a full set stored with the library magic
  UPFile file;
  ASSERT_TRUE(LoadUPSFile(file, in));
  ASSERT_TRUE(SaveUPSFile(file, folder.file("set.ups")));
  EXPECT_EQ(ReadBytes(folder.file("set.ups")).substr(0, 8), "USPrGMIL");

  for (int count : {191, 193, 300}) {
    ASSERT_TRUE(SetUPCount(file, count));
    ASSERT_TRUE(SaveUPSFile(file, folder.file("lib.ups")));
    const std::string bytes = ReadBytes(folder.file("lib.ups"));
    EXPECT_EQ(bytes.substr(0, 8), "*SPrGMIL");
    EXPECT_EQ(bytes.size(), 1942u + 456u * static_cast<unsigned>(count));
    EXPECT_EQ(static_cast<unsigned char>(bytes[58]), count / 256);
    EXPECT_EQ(static_cast<unsigned char>(bytes[59]), count % 256);
  }
  EXPECT_EQ(file.header[58], 0x01);  // 300 = 0x012C, kept in memory too
  EXPECT_EQ(file.header[59], 0x2C);
}

TEST(UPSFile, RefusalsLeaveTheSlotUntouched) {
  TempFolder folder;
  const UPFile original = LoadedSlot(folder, 3, 21);
  const std::string path = folder.file("bad.ups");
  const std::string prefix = "The File: " + path + "\r\n\r\n";
  const std::string g800 = prefix + "Is a G-800 User Program File.\r\n\r\n\r\n"
                           "1: Open the file on the EM-2000/G-1000 keyboard.\r\n\r\n"
                           "2: The data are converted when loading.\r\n\r\n"
                           "3: Save the file, and then open it with the Tarnwick.";
  const struct { std::string bytes; std::string message; } cases[] = {
      {MakeUPSImage(2, "USPRG800"), g800},  // refused even though its length fits
      {MakeUPSImage(2, "XSPrGMIL"), prefix + " Is NOT a Valid User Program File"},
      {"*SPrGM", prefix + " Is NOT a Valid User Program File"},
      {"", prefix + " Is NOT a Valid User Program File"},
      {MakeUPSImage(2) + "x", prefix + " Has an incorrect length"},
      {MakeUPSImage(2).substr(0, 1942 + 911), prefix + " Has an incorrect length"},
      {MakeUPSImage(0).substr(0, 100), prefix + " Has an incorrect length"},
  };
  for (const auto& c : cases) {
    WriteBytes(path, c.bytes);
    UPFile file = original;
    const FileResult result = LoadUPSFile(file, path);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, c.message);
    ExpectSameSlot(file, original);
  }
}

TEST(UPSFile, OverwriteIsAskedAndNoLeavesTheFile) {
  TempFolder folder;
  UPFile file = LoadedSlot(folder, 2, 30);
  const std::string target = folder.file("target.ups");
  WriteBytes(target, "old content");

  std::string asked;
  const FileResult refused = SaveUPSFile(file, target, [&](const std::string& question) {
    asked = question;
    return false;
  });
  EXPECT_FALSE(refused.ok);
  EXPECT_EQ(refused.message, "");
  EXPECT_EQ(asked, target + "\r\n\r\nExist, Overwrite?");
  EXPECT_EQ(ReadBytes(target), "old content");

  ASSERT_TRUE(SaveUPSFile(file, target, [](const std::string&) { return true; }));
  EXPECT_EQ(ReadBytes(target).size(), 1942u + 912u);

  int questions = 0;
  ASSERT_TRUE(SaveUPSFile(file, folder.file("new.ups"), [&](const std::string&) { return ++questions, false; }));
  EXPECT_EQ(questions, 0) << "nothing to ask when no file is there";
}

TEST(UPSFile, FailedWriteKeepsTheOldFileAndLeavesNoTemporary) {
  TempFolder folder;
  UPFile file = LoadedSlot(folder, 2, 40);
  const std::string target = folder.file("keep.ups");
  const std::string old = MakeUPSImage(1, 41);
  WriteBytes(target, old);
  const auto before = FilesIn(folder.path());
  ASSERT_TRUE(SetUPCount(file, 500));

  // A real short write: the process may write no more than 10000 bytes to any file.
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  auto* previous = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 10000;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const FileResult result = SaveUPSFile(file, target);
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previous);

  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.message, "Error Saving File: " + target);
  EXPECT_EQ(ReadBytes(target), old);
  EXPECT_EQ(FilesIn(folder.path()), before);
}

TEST(UPSFile, CrashDuringSaveKeepsTheOldFile) {
  TempFolder folder;
  UPFile file = LoadedSlot(folder, 2, 50);
  ASSERT_TRUE(SetUPCount(file, 2000));
  const std::string target = folder.file("keep.ups");
  const std::string old = MakeUPSImage(3, 51);
  WriteBytes(target, old);

  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    // The file size limit kills this process in the middle of the write.
    rlimit small{};
    getrlimit(RLIMIT_FSIZE, &small);
    small.rlim_cur = 50000;
    setrlimit(RLIMIT_FSIZE, &small);
    SaveUPSFile(file, target);
    _exit(0);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFSIGNALED(status)) << "the save was expected to die mid-write";
  EXPECT_EQ(ReadBytes(target), old);
}

}  // namespace
}  // namespace tarnwick
