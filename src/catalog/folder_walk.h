// SPDX-License-Identifier: GPL-3.0-or-later
// Finding the UPS files under a set of folders: recursive, following links to folders and files
// but entering each folder once (a link back to a parent ends there), taking only regular files
// named *.UPS in any case (a FIFO or device of that name is passed over, as it could block a
// reader), and listing what could not be read instead of stopping.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

namespace tarnwick {

// What tells a file's content changed without reading it.
struct FileStamp {
  std::int64_t size = -1;
  std::int64_t mtime = 0;  // nanoseconds of the file clock
  bool operator==(const FileStamp&) const = default;
};

struct FoundFile {
  std::string path;
  FileStamp stamp;
};

struct FolderWalk {
  std::vector<FoundFile> files;
  std::vector<std::string> unreadable;  // folders and entries that could not be read
  bool cancelled = false;
};

// `cancel` is polled between folders.
FolderWalk FindUPSFiles(const std::vector<std::string>& folders, const std::atomic<bool>& cancel);

// The stamp of a regular file now; size -1 when it is gone or no regular file.
FileStamp StampOf(const std::string& path);

// Whether `path` is `folder` itself or lies inside it.
bool IsUnder(const std::string& path, const std::string& folder);

}  // namespace tarnwick
