// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/catalog_scan.h"

#include <algorithm>
#include <set>

#include "catalog/catalog_db.h"
#include "updata/ups_file.h"

namespace tarnwick {
namespace {

// Files written per transaction: few enough that another writer never waits long.
constexpr int kFilesPerBatch = 25;

bool UnderAny(const std::string& path, const std::vector<std::string>& folders) {
  return std::any_of(folders.begin(), folders.end(), [&](const std::string& folder) { return IsUnder(path, folder); });
}

class Scan {
 public:
  Scan(CatalogDb& catalog, ScanControl& control, ScanReport& report)
      : store_(catalog), control_(control), report_(report), known_(store_.files()) {}

  void run(const std::vector<std::string>& folders) {
    FolderWalk walk = FindUPSFiles(folders, control_.cancel);
    report_.unreadable = std::move(walk.unreadable);
    if (walk.cancelled) {
      report_.cancelled = true;
      return;
    }
    std::vector<const FoundFile*> toRead;
    std::set<std::string> present;
    for (const FoundFile& found : walk.files) {
      present.insert(found.path);
      const auto known = known_.find(found.path);
      if (known != known_.end() && known->second.stamp == found.stamp) {
        ++report_.unchanged;
      } else {
        toRead.push_back(&found);
      }
    }
    if (!readAll(toRead)) return;
    removeMissing(folders, present);
  }

 private:
  bool readAll(const std::vector<const FoundFile*>& toRead) {
    const int total = static_cast<int>(toRead.size());
    for (int start = 0; start < total; start += kFilesPerBatch) {
      if (control_.cancel.load()) {
        report_.cancelled = true;
        return false;
      }
      if (!store_.begin()) return failed();
      const int end = std::min(total, start + kFilesPerBatch);
      for (int k = start; k < end; ++k) {
        if (!readOne(*toRead[static_cast<std::size_t>(k)])) {
          store_.rollback();
          return failed();
        }
        if (control_.progress) control_.progress(k + 1, total);
      }
      if (!store_.commit()) return failed();
    }
    return true;
  }

  // A file that changes while it is read is read once more; one still changing keeps no stamp,
  // so that the next scan reads it again. A file gone by now leaves the catalog.
  bool readOne(const FoundFile& found) {
    if (control_.beforeRead) control_.beforeRead(found.path);
    FileStamp before = found.stamp;
    UPFile file;
    FileResult loaded;
    for (int attempt = 0; attempt < 2; ++attempt) {
      loaded = LoadUPSFile(file, found.path);
      const FileStamp after = StampOf(found.path);
      if (after.size < 0) return forget(found.path);
      const bool steady = after == before;
      before = after;
      if (steady) break;
      if (attempt == 1) before = FileStamp{};
    }
    ++report_.read;
    if (!loaded) return store_.storeProblem(found.path, before, QString::fromStdString(loaded.message));
    return store_.storeFile(found.path, before, file);
  }

  bool forget(const std::string& path) {
    const auto known = known_.find(path);
    if (known == known_.end()) return true;
    ++report_.removed;
    return store_.removeFile(known->second.id);
  }

  // Files of the scanned folders that were not found. Under a folder that could not be read they
  // may still exist: those stay.
  void removeMissing(const std::vector<std::string>& folders, const std::set<std::string>& present) {
    if (!store_.begin()) return void(failed());
    for (const auto& [path, stored] : known_) {
      if (present.count(path) != 0 || !UnderAny(path, folders) || UnderAny(path, report_.unreadable)) continue;
      if (!store_.removeFile(stored.id)) {
        store_.rollback();
        return void(failed());
      }
      ++report_.removed;
    }
    if (!store_.commit()) failed();
  }

  bool failed() {
    report_.error = store_.lastError();
    return false;
  }

  CatalogStore store_;
  ScanControl& control_;
  ScanReport& report_;
  std::map<std::string, StoredFile> known_;
};

}  // namespace

ScanReport ScanFolders(CatalogDb& catalog, const std::vector<std::string>& folders, ScanControl& control) {
  ScanReport report;
  Scan(catalog, control, report).run(folders);
  return report;
}

std::vector<std::string> StoredFolders(CatalogDb& catalog) {
  std::vector<std::string> folders;
  for (const QString& folder : CatalogStore(catalog).folders()) folders.push_back(folder.toStdString());
  return folders;
}

}  // namespace tarnwick
