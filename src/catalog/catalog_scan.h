// SPDX-License-Identifier: GPL-3.0-or-later
// Bringing the catalog up to date with the folders: files whose size or modification time
// changed (or that are new) are read again, files that are gone leave it, and the rest is not
// touched. A scan runs on whatever thread calls it, with its own CatalogDb; it can be cancelled
// between files, and what it finished by then stays.
#pragma once

#include <QString>
#include <atomic>
#include <functional>
#include <string>
#include <vector>

#include "catalog/catalog_store.h"

namespace tarnwick {

class CatalogDb;

struct ScanControl {
  std::atomic<bool> cancel{false};
  // Called after each file read, with the count done and the count to read.
  std::function<void(int done, int total)> progress;
  // Called just before a file is read; lets a test change the disk under the scan.
  std::function<void(const std::string& path)> beforeRead;
};

struct ScanReport {
  int read = 0;       // files read (new or changed)
  int unchanged = 0;
  int removed = 0;
  bool cancelled = false;
  std::vector<std::string> unreadable;  // folders and entries that could not be read
  QString error;                        // the database failed: nothing after it was stored
};

ScanReport ScanFolders(CatalogDb& catalog, const std::vector<std::string>& folders, ScanControl& control);

// The stored folders, as paths for ScanFolders.
std::vector<std::string> StoredFolders(CatalogDb& catalog);

}  // namespace tarnwick
