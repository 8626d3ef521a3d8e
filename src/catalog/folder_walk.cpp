// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/folder_walk.h"

#include <filesystem>
#include <set>

namespace tarnwick {
namespace fs = std::filesystem;
namespace {

bool HasUPSExtension(const fs::path& path) {
  const std::string ext = path.extension().string();
  return ext.size() == 4 && ext[0] == '.' && (ext[1] | 0x20) == 'u' && (ext[2] | 0x20) == 'p' &&
         (ext[3] | 0x20) == 's';
}

class Walker {
 public:
  Walker(FolderWalk& result, const std::atomic<bool>& cancel) : result_(result), cancel_(cancel) {}

  void walk(const fs::path& start) {
    std::vector<fs::path> pending{start};
    while (!pending.empty()) {
      if (cancel_.load(std::memory_order_relaxed)) {
        result_.cancelled = true;
        return;
      }
      const fs::path folder = pending.back();
      pending.pop_back();
      if (enter(folder)) readFolder(folder, pending);
    }
  }

 private:
  // Each folder is entered once, by its real path, so that a link loop ends.
  bool enter(const fs::path& folder) {
    std::error_code error;
    const fs::path real = fs::canonical(folder, error);
    if (error) {
      result_.unreadable.push_back(folder.string());
      return false;
    }
    return visited_.insert(real.string()).second;
  }

  void readFolder(const fs::path& folder, std::vector<fs::path>& pending) {
    std::error_code error;
    fs::directory_iterator entries(folder, error);
    if (error) {
      result_.unreadable.push_back(folder.string());
      return;
    }
    for (; entries != fs::directory_iterator(); entries.increment(error)) {
      if (error) {
        result_.unreadable.push_back(folder.string());
        return;
      }
      const fs::directory_entry& entry = *entries;
      const fs::file_status status = entry.status(error);  // follows links
      if (error) {
        // A link to nowhere is passed over; one that loops or may not be followed is listed.
        if (error != std::errc::no_such_file_or_directory) result_.unreadable.push_back(entry.path().string());
        continue;
      }
      if (fs::is_directory(status)) {
        pending.push_back(entry.path());
      } else if (fs::is_regular_file(status) && HasUPSExtension(entry.path())) {
        FoundFile found{entry.path().string(), StampOf(entry.path().string())};
        if (found.stamp.size >= 0) result_.files.push_back(std::move(found));
      }
    }
  }

  FolderWalk& result_;
  const std::atomic<bool>& cancel_;
  std::set<std::string> visited_;
};

}  // namespace

FileStamp StampOf(const std::string& path) {
  std::error_code error;
  const fs::file_status status = fs::status(path, error);
  if (error || !fs::is_regular_file(status)) return {};
  const auto size = fs::file_size(path, error);
  if (error) return {};
  const auto time = fs::last_write_time(path, error);
  if (error) return {};
  return {static_cast<std::int64_t>(size),
          static_cast<std::int64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(time.time_since_epoch()).count())};
}

bool IsUnder(const std::string& path, const std::string& folder) {
  if (path.compare(0, folder.size(), folder) != 0) return false;
  if (path.size() == folder.size()) return true;
  return path[folder.size()] == '/' || (!folder.empty() && folder.back() == '/');
}

FolderWalk FindUPSFiles(const std::vector<std::string>& folders, const std::atomic<bool>& cancel) {
  FolderWalk result;
  Walker walker(result, cancel);
  for (const std::string& folder : folders) {
    walker.walk(folder);
    if (result.cancelled) break;
  }
  return result;
}

}  // namespace tarnwick
