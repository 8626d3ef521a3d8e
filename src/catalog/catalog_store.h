// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing the catalog's tables: the folders the player chose, the files found in
// them with the stamps that tell whether they changed, and each file's UPs as the grid shows them.
#pragma once

#include <QString>
#include <QStringList>
#include <map>
#include <string>
#include <vector>

#include "catalog/folder_walk.h"
#include "updata/up_file.h"

namespace tarnwick {

class CatalogDb;

struct StoredFile {
  qint64 id = 0;
  FileStamp stamp;
};

struct LoadProblem {
  QString path;
  QString message;  // the loader's message
};

// The UPs of file `fileId` are the keys fileId << 16 | ID.
constexpr qint64 UPKey(qint64 fileId, int id) { return (fileId << 16) | id; }

class CatalogStore {
 public:
  explicit CatalogStore(CatalogDb& catalog) : catalog_(catalog) {}

  QStringList folders() const;
  bool addFolder(const QString& path);
  bool removeFolder(const QString& path);  // the folder's files leave the catalog at the next scan

  // Every file in the catalog, by path.
  std::map<std::string, StoredFile> files() const;
  std::vector<LoadProblem> loadProblems() const;
  qint64 upCount() const;

  // Puts a file that loaded, with all its UPs, in place of what the catalog knew of it.
  bool storeFile(const std::string& path, const FileStamp& stamp, const UPFile& file);
  // Records a file that did not load (no UPs) with the loader's message.
  bool storeProblem(const std::string& path, const FileStamp& stamp, const QString& message);
  bool removeFile(qint64 fileId);

  // Changes are grouped: a scan writes many files in one transaction.
  bool begin();
  bool commit();
  void rollback();

  QString lastError() const { return error_; }

 private:
  qint64 fileRow(const std::string& path, const FileStamp& stamp, int upCount, const QString& error);
  bool removeUPs(qint64 fileId);
  bool insertUPs(qint64 fileId, const UPFile& file);
  bool fail(const QString& error);

  CatalogDb& catalog_;
  QString error_;
};

}  // namespace tarnwick
