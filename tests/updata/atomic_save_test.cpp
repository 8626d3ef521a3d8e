// SPDX-License-Identifier: GPL-3.0-or-later
// Saving over files the user may not write to, and under names near the folder's name limit.
// The refusals are checked as an ordinary user: where the tests run as root, each save runs in a
// child process that has given up root first.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include <sys/stat.h>
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

constexpr uid_t kNobody = 65534;

// What a save as `user` gave: "saved", the refusal's message, or "child failed".
std::string SaveAs(uid_t user, const std::string& path) {
  UPFile file;
  EXPECT_TRUE(SetUPCount(file, 3));
  const pid_t child = fork();
  if (child < 0) return "fork failed";
  if (child == 0) {
    if (getuid() == 0 && (setgid(user) != 0 || setuid(user) != 0)) _exit(3);
    const FileResult saved = SaveUPSFile(file, path);
    if (saved.ok) _exit(0);
    _exit(saved.message == "Error Saving File: " + path ? 1 : 2);
  }
  int status = 0;
  waitpid(child, &status, 0);
  const int code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return code == 0 ? "saved" : code == 1 ? "Error Saving File: " + path : "child failed " + std::to_string(code);
}

struct stat StatOf(const std::string& path) {
  struct stat info {};
  ::stat(path.c_str(), &info);
  return info;
}

TEST(AtomicSave, ATargetTheUserMayNotWriteIsRefusedAndKeepsItsBytesModeAndOwner) {
  TempFolder folder;
  std::filesystem::permissions(folder.path(), std::filesystem::perms::all);  // anyone may add files
  const uid_t user = getuid() == 0 ? kNobody : getuid();
  const std::string old = MakeUPSImage(1, 5);

  const std::string readOnly = folder.file("read-only.ups");
  WriteBytes(readOnly, old);
  ASSERT_EQ(::chown(readOnly.c_str(), user, user), 0);
  ASSERT_EQ(::chmod(readOnly.c_str(), 0444), 0);
  EXPECT_EQ(SaveAs(user, readOnly), "Error Saving File: " + readOnly);
  EXPECT_TRUE(ReadBytes(readOnly) == old) << "the read-only file was replaced";
  EXPECT_EQ(StatOf(readOnly).st_mode & 07777, 0444u);

  if (getuid() == 0) {
    const std::string foreign = folder.file("foreign.ups");
    WriteBytes(foreign, old);
    ASSERT_EQ(::chmod(foreign.c_str(), 0644), 0);
    EXPECT_EQ(SaveAs(user, foreign), "Error Saving File: " + foreign);
    EXPECT_TRUE(ReadBytes(foreign) == old) << "the file of another user was replaced";
    EXPECT_EQ(StatOf(foreign).st_uid, 0u);
  }

  // The same user saves over a file of its own that it may write.
  const std::string own = folder.file("own.ups");
  WriteBytes(own, old);
  ASSERT_EQ(::chown(own.c_str(), user, user), 0);
  ASSERT_EQ(SaveAs(user, own), "saved");
  EXPECT_EQ(ReadBytes(own).size(), 1942u + 3u * 456u);
  EXPECT_EQ(StatOf(own).st_uid, user);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 3);
}

TEST(AtomicSave, ANameAtTheFoldersLimitSavesAndLeavesNoTemporary) {
  TempFolder folder;
  for (const std::size_t length : {std::size_t{233}, std::size_t{255}}) {
    const std::string path = folder.file(std::string(length - 4, 'n') + ".UPS");
    UPFile file;
    ASSERT_TRUE(SetUPCount(file, 2));
    const FileResult saved = SaveUPSFile(file, path);
    EXPECT_TRUE(saved.ok) << length << ": " << saved.message;
    EXPECT_EQ(ReadBytes(path).size(), 1942u + 2u * 456u) << length;
  }
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 2);
}

}  // namespace
}  // namespace tarnwick
