// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/catalog_db.h"

#include <QAtomicInteger>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVariant>

namespace tarnwick {
namespace {

// A writer waits this long for another writer before its statement fails.
constexpr int kBusyTimeoutMs = 60000;

// The UPs are keyed by file and ID together (file << 16 | ID), so that a file's UPs are one range
// of the table's own key and need no index of their own.
constexpr const char* kSchema[] = {
    "CREATE TABLE folders(path TEXT PRIMARY KEY) WITHOUT ROWID",
    "CREATE TABLE files(id INTEGER PRIMARY KEY, path TEXT NOT NULL UNIQUE, size INTEGER NOT NULL,"
    " mtime INTEGER NOT NULL, up_count INTEGER NOT NULL, error TEXT)",
    "CREATE TABLE ups(key INTEGER PRIMARY KEY, up TEXT, name TEXT, style TEXT, style_no TEXT,"
    " tempo INTEGER, song TEXT)",
    "CREATE VIEW up_rows AS SELECT key >> 16 AS file, key & 65535 AS id, up, name, style, style_no,"
    " tempo, song FROM ups",
    "CREATE VIRTUAL TABLE ups_fts USING fts5(name, style, song, content='ups', content_rowid='key',"
    " tokenize='unicode61 remove_diacritics 2')",
    "CREATE TRIGGER ups_added AFTER INSERT ON ups BEGIN INSERT INTO ups_fts(rowid, name, style, song)"
    " VALUES(new.key, new.name, new.style, new.song); END",
    "CREATE TRIGGER ups_removed AFTER DELETE ON ups BEGIN INSERT INTO ups_fts(ups_fts, rowid, name,"
    " style, song) VALUES('delete', old.key, old.name, old.style, old.song); END",
};

QString NextConnectionName() {
  static QAtomicInteger<int> counter;
  return QStringLiteral("tarnwick-catalog-%1").arg(counter.fetchAndAddRelaxed(1));
}

}  // namespace

CatalogDb::CatalogDb(QString path) : path_(std::move(path)), connection_(NextConnectionName()) {}

CatalogDb::~CatalogDb() { disconnect(); }

QString CatalogDb::DefaultPath() {
  return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
      .filePath(QStringLiteral("catalog.sqlite"));
}

bool CatalogDb::connect() {
  QDir().mkpath(QFileInfo(path_).absolutePath());
  db_ = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
  db_.setDatabaseName(path_);
  db_.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs));
  if (!db_.open()) return false;
  QSqlQuery pragma(db_);
  // WAL lets searches read while a scan writes; NORMAL sync is safe in WAL (a crash loses at most
  // the last scan's batch, never the database).
  return pragma.exec(QStringLiteral("PRAGMA journal_mode=WAL")) && pragma.exec(QStringLiteral("PRAGMA synchronous=NORMAL"));
}

void CatalogDb::disconnect() {
  if (!db_.isValid()) return;
  db_.close();
  db_ = QSqlDatabase();
  QSqlDatabase::removeDatabase(connection_);
}

// The database opens, passes SQLite's quick check and carries this program's schema version.
bool CatalogDb::healthy() {
  QSqlQuery check(db_);
  if (!check.exec(QStringLiteral("PRAGMA quick_check")) || !check.next() || check.value(0).toString() != QLatin1String("ok"))
    return false;
  if (!check.exec(QStringLiteral("PRAGMA user_version")) || !check.next()) return false;
  const int version = check.value(0).toInt();
  if (version == kCatalogSchemaVersion) return true;
  if (version != 0) return false;
  // Version 0: a new, empty file gets the schema; anything else is not ours.
  if (!check.exec(QStringLiteral("SELECT count(*) FROM sqlite_schema")) || !check.next()) return false;
  return check.value(0).toInt() == 0 && createSchema();
}

QStringList CatalogDb::readableFolders() {
  QStringList folders;
  QSqlQuery query(db_);
  if (!query.exec(QStringLiteral("SELECT path FROM folders"))) return folders;
  while (query.next()) folders << query.value(0).toString();
  return folders;
}

bool CatalogDb::createSchema() {
  if (!db_.transaction()) return false;
  QSqlQuery query(db_);
  for (const char* statement : kSchema) {
    if (!query.exec(QString::fromLatin1(statement))) {
      db_.rollback();
      return false;
    }
  }
  if (!query.exec(QStringLiteral("PRAGMA user_version=%1").arg(kCatalogSchemaVersion))) {
    db_.rollback();
    return false;
  }
  return db_.commit();
}

void CatalogDb::removeFiles() {
  for (const char* suffix : {"", "-wal", "-shm", "-journal"}) QFile::remove(path_ + QLatin1String(suffix));
}

CatalogOpenResult CatalogDb::open() {
  CatalogOpenResult result;
  if (connect() && healthy()) {
    result.ok = true;
    return result;
  }
  const QStringList folders = db_.isOpen() ? readableFolders() : QStringList();
  disconnect();
  removeFiles();
  if (!connect() || !healthy()) {
    result.message = QStringLiteral("The UP catalog %1 cannot be opened: %2").arg(path_, db_.lastError().text());
    disconnect();
    return result;
  }
  QSqlQuery insert(db_);
  insert.prepare(QStringLiteral("INSERT OR IGNORE INTO folders(path) VALUES(?)"));
  for (const QString& folder : folders) {
    insert.addBindValue(folder);
    insert.exec();
  }
  result.ok = true;
  result.rebuilt = true;
  result.message = QString::fromLatin1(kCatalogRebuiltMessage);
  return result;
}

}  // namespace tarnwick
