// SPDX-License-Identifier: GPL-3.0-or-later
#include "updata/atomic_file.h"
#include "updata/utf8_path.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <random>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tarnwick {
namespace fs = std::filesystem;
namespace {

void SetError(std::string* error, const std::string& what) {
  if (error) *error = what + ": " + std::strerror(errno);
}

// Resolves a link so that saving through it replaces the file it points to, not the link.
fs::path SaveTarget(const fs::path& path) {
  std::error_code ec;
  if (fs::is_symlink(path, ec)) {
    fs::path resolved = fs::weakly_canonical(path, ec);
    if (!ec) return resolved;
  }
  return path;
}

// Only a regular file is ever replaced: a rename over a device node, a pipe or a socket would
// put a plain file in its place, and a folder cannot take a file's content.
bool TargetIsFileOrFree(const fs::path& target, std::string* error) {
  struct stat found {};
  if (::lstat(target.c_str(), &found) != 0) {
    if (errno == ENOENT) return true;
    SetError(error, "cannot look at " + target.string());
    return false;
  }
  if (S_ISREG(found.st_mode)) return true;
  if (error) *error = target.string() + " is not a regular file";
  return false;
}

// The new file takes the old one's mode, owner and group. Only the owner can be refused (when
// not running as root); the group is then kept where the user may give it.
void KeepAccess(int fd, const fs::path& target) {
  struct stat existing {};
  if (::stat(target.c_str(), &existing) != 0) return;
  if (::fchown(fd, existing.st_uid, existing.st_gid) != 0) {
    [[maybe_unused]] const int ignored = ::fchown(fd, static_cast<uid_t>(-1), existing.st_gid);
  }
  // After the chown, which drops set-ID bits.
  ::fchmod(fd, existing.st_mode & 07777);
}

int CreateTemporaryBeside(const fs::path& target, fs::path& temp_path) {
  std::random_device seed;
  std::mt19937 random(seed());
  for (int attempt = 0; attempt < 100; ++attempt) {
    // A short name of its own: one built from the target's would grow past the folder's name
    // limit for long file names.
    temp_path = target.parent_path() / (".tarnwick-" + std::to_string(random() % 1000000000u) + ".tmp");
    const int fd = ::open(temp_path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

bool WriteAll(int fd, const ByteChunk& chunk) {
  const auto* bytes = static_cast<const char*>(chunk.data);
  std::size_t left = chunk.size;
  while (left > 0) {
    const ssize_t written = ::write(fd, bytes, left);
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes += written;
    left -= static_cast<std::size_t>(written);
  }
  return true;
}

void SyncFolder(const fs::path& folder) {
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

// The rename would replace a file that the user may not write to, and hand it to the user: an
// existing target must be writable as it is, as writing to it in place would require.
bool TargetWritable(const fs::path& target, std::string* error) {
  if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) == 0 || errno == ENOENT) return true;
  SetError(error, "cannot write " + target.string());
  return false;
}

}  // namespace

bool FileExists(const std::string& path) {
  std::error_code ec;
  return !path.empty() && fs::is_regular_file(PathFromUtf8(path), ec);
}

bool PathTaken(const std::string& path) {
  std::error_code ec;
  return !path.empty() && fs::exists(fs::symlink_status(PathFromUtf8(path), ec));
}

bool SameFile(const std::string& first, const std::string& second) {
  struct stat a {};
  struct stat b {};
  return ::stat(PathFromUtf8(first).c_str(), &a) == 0 && ::stat(PathFromUtf8(second).c_str(), &b) == 0 &&
         a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

bool WriteFileAtomically(const std::string& path, std::span<const ByteChunk> chunks,
                         std::string* error) {
  const fs::path target = SaveTarget(PathFromUtf8(path));
  if (!TargetIsFileOrFree(target, error) || !TargetWritable(target, error)) return false;
  fs::path temp;
  const int fd = CreateTemporaryBeside(target, temp);
  if (fd < 0) {
    SetError(error, "cannot create a temporary file beside " + target.string());
    return false;
  }
  bool ok = true;
  for (const ByteChunk& chunk : chunks) {
    if (!WriteAll(fd, chunk)) {
      SetError(error, "cannot write " + temp.string());
      ok = false;
      break;
    }
  }
  if (ok) KeepAccess(fd, target);
  if (ok && ::fsync(fd) != 0) {
    SetError(error, "cannot flush " + temp.string());
    ok = false;
  }
  if (::close(fd) != 0 && ok) {
    SetError(error, "cannot close " + temp.string());
    ok = false;
  }
  if (ok && ::rename(temp.c_str(), target.c_str()) != 0) {
    SetError(error, "cannot replace " + target.string());
    ok = false;
  }
  if (!ok) {
    ::unlink(temp.c_str());
    return false;
  }
  SyncFolder(target.parent_path());
  return true;
}

}  // namespace tarnwick
