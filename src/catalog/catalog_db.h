// SPDX-License-Identifier: GPL-3.0-or-later
// The catalog database: one SQLite file holding the scanned folders, the files found in them and
// every UP of those files, with a full-text index over the UPs' names, styles and songs.
//
// Each CatalogDb is one connection, used only by the thread that opened it. Several connections
// (two windows, a scan beside a search, upstool beside the program) share the file: the database
// runs in WAL mode, readers never wait, and a writer waits for another writer instead of failing.
#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

namespace tarnwick {

inline constexpr int kCatalogSchemaVersion = 1;
inline constexpr char kCatalogRebuiltMessage[] =
    "The UP catalog could not be read and was made anew.";

struct CatalogOpenResult {
  bool ok = false;
  bool rebuilt = false;  // the old database was unreadable or of another version
  QString message;       // for the user: why it failed, or that it was rebuilt
};

class CatalogDb {
 public:
  explicit CatalogDb(QString path);
  ~CatalogDb();
  CatalogDb(const CatalogDb&) = delete;
  CatalogDb& operator=(const CatalogDb&) = delete;

  // Opens the database, creating it when missing. One that will not open, fails its check or has
  // another schema version is replaced by an empty one; the folders it named are kept when they
  // can still be read.
  CatalogOpenResult open();
  QSqlDatabase& db() { return db_; }
  const QString& path() const { return path_; }

  // <user data folder>/catalog.sqlite
  static QString DefaultPath();

 private:
  bool connect();
  void disconnect();
  bool healthy();
  QStringList readableFolders();
  bool createSchema();
  void removeFiles();

  QString path_;
  QString connection_;
  QSqlDatabase db_;
};

}  // namespace tarnwick
