// SPDX-License-Identifier: GPL-3.0-or-later
// Saves and loads aimed at what is not a regular file (a device node, a FIFO, a socket, a folder,
// and links to each): a save is refused and leaves the target as it was; a load is refused at
// once, even where opening would wait for a writer. And a save over a regular file, also through
// a link, keeps the link, the mode, the owner and the group.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <future>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include "support/needs.h"
#include "support/temp_folder.h"
#include "support/ups_builder.h"
#include "updata/ups_file.h"

namespace tarnwick {
namespace {

namespace fs = std::filesystem;
using testing::MakeUPSImage;
using testing::TempFolder;
using testing::WriteBytes;

struct stat LinkStat(const std::string& path) {
  struct stat info {};
  ::lstat(path.c_str(), &info);
  return info;
}

bool MakeSocket(const std::string& path) {
  const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  if (fd < 0 || path.size() >= sizeof address.sun_path) return false;
  path.copy(address.sun_path, path.size());
  const bool bound = ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
  ::close(fd);  // the socket file stays behind
  return bound;
}

// A load that must come back by itself; should it hang in open(), a writer is connected so that
// it returns and the test can fail instead of waiting for its time limit.
FileResult LoadWithoutWaiting(UPFile& slot, const std::string& path) {
  auto load = std::async(std::launch::async, [&slot, &path] { return LoadUPSFile(slot, path); });
  if (load.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
    ADD_FAILURE() << "the load of " << path << " waits";
    const int writer = ::open(path.c_str(), O_WRONLY | O_NONBLOCK);
    if (writer >= 0) ::close(writer);
  }
  return load.get();
}

// Each target, and a link to it, is refused by save and load; the target keeps its kind and the
// slot its content.
void ExpectRefusedBothWays(const std::string& target) {
  const std::string link = target + ".link.UPS";
  fs::create_symlink(target, link);
  for (const std::string& path : {target, link}) {
    const struct stat before = LinkStat(path);
    UPFile slot;
    ASSERT_TRUE(SetUPCount(slot, 3));
    slot.records[1][0] = 0x5A;
    const UPFile kept = slot;
    EXPECT_EQ(SaveUPSFile(slot, path).message, "Error Saving File: " + path);
    const struct stat after = LinkStat(path);
    EXPECT_EQ(after.st_mode, before.st_mode) << path << " changed its kind";
    EXPECT_EQ(after.st_ino, before.st_ino) << path << " was replaced";
    EXPECT_EQ(LoadWithoutWaiting(slot, path).message, "Error Opening File: " + path);
    EXPECT_EQ(slot.count, kept.count);
    EXPECT_TRUE(slot.records == kept.records) << path;
  }
}

TEST(NonRegularFiles, FifoSocketAndFolderAreNeitherReplacedNorRead) {
  TempFolder folder;
  const std::string fifo = folder.file("x.UPS");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
  ExpectRefusedBothWays(fifo);
  const std::string socket = folder.file("socket.UPS");
  ASSERT_TRUE(MakeSocket(socket));
  ExpectRefusedBothWays(socket);
  const std::string subfolder = folder.file("folder.UPS");
  fs::create_directory(subfolder);
  ExpectRefusedBothWays(subfolder);
  EXPECT_TRUE(fs::is_empty(subfolder));
}

TEST(NonRegularFiles, DeviceNodeIsNeitherReplacedNorRead) {
  TARNWICK_NEED(::geteuid() == 0, "making a device node (mknod) needs root");
  TempFolder folder;
  const std::string node = folder.file("null.UPS");  // the same device as /dev/null
  ASSERT_EQ(::mknod(node.c_str(), S_IFCHR | 0666, makedev(1, 3)), 0);
  ExpectRefusedBothWays(node);
  EXPECT_EQ(LinkStat(node).st_rdev, makedev(1, 3));
}

TEST(NonRegularFiles, SaveThroughALinkKeepsTheLinkModeOwnerAndGroup) {
  TempFolder folder;
  const std::string path = folder.file("private.UPS");
  WriteBytes(path, MakeUPSImage(2, 9));
  ASSERT_EQ(::chmod(path.c_str(), 0600), 0);
  const bool root = ::geteuid() == 0;
  if (root) {
    ASSERT_EQ(::chown(path.c_str(), 1234, 5678), 0);
  }
  UPFile file;
  ASSERT_TRUE(SetUPCount(file, 4));
  const std::string link = folder.file("link.UPS");  // a link stays a link; its file is replaced
  fs::create_symlink(path, link);
  ASSERT_TRUE(SaveUPSFile(file, link));
  EXPECT_TRUE(fs::is_symlink(link));
  const struct stat saved = LinkStat(path);
  EXPECT_EQ(saved.st_size, 1942 + 4 * 456);
  EXPECT_EQ(saved.st_mode & 07777, 0600u);
  if (root) {
    EXPECT_EQ(saved.st_uid, 1234u);
    EXPECT_EQ(saved.st_gid, 5678u);
  }
}

}  // namespace
}  // namespace tarnwick
