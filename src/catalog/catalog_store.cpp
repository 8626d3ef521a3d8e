// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/catalog_store.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <algorithm>

#include "catalog/catalog_db.h"
#include "catalog/shown_text.h"

namespace tarnwick {

QStringList CatalogStore::folders() const {
  QStringList folders;
  QSqlQuery query(catalog_.db());
  if (!query.exec(QStringLiteral("SELECT path FROM folders ORDER BY path"))) return folders;
  while (query.next()) folders << query.value(0).toString();
  return folders;
}

bool CatalogStore::addFolder(const QString& path) {
  QSqlQuery query(catalog_.db());
  query.prepare(QStringLiteral("INSERT OR IGNORE INTO folders(path) VALUES(?)"));
  query.addBindValue(path);
  return query.exec() || fail(query.lastError().text());
}

bool CatalogStore::removeFolder(const QString& path) {
  if (!begin()) return false;
  QSqlQuery query(catalog_.db());
  query.prepare(QStringLiteral("DELETE FROM folders WHERE path = ?"));
  query.addBindValue(path);
  bool done = query.exec() || fail(query.lastError().text());
  for (const auto& [file, stored] : files()) {
    if (done && IsUnder(file, path.toStdString())) done = removeFile(stored.id);
  }
  if (!done) {
    rollback();
    return false;
  }
  return commit();
}

std::map<std::string, StoredFile> CatalogStore::files() const {
  std::map<std::string, StoredFile> files;
  QSqlQuery query(catalog_.db());
  query.setForwardOnly(true);
  if (!query.exec(QStringLiteral("SELECT path, id, size, mtime FROM files"))) return files;
  while (query.next()) {
    files[query.value(0).toString().toStdString()] =
        StoredFile{query.value(1).toLongLong(), {query.value(2).toLongLong(), query.value(3).toLongLong()}};
  }
  return files;
}

std::vector<LoadProblem> CatalogStore::loadProblems() const {
  std::vector<LoadProblem> problems;
  QSqlQuery query(catalog_.db());
  if (!query.exec(QStringLiteral("SELECT path, error FROM files WHERE error IS NOT NULL ORDER BY path"))) return problems;
  while (query.next()) problems.push_back({query.value(0).toString(), query.value(1).toString()});
  return problems;
}

qint64 CatalogStore::upCount() const {
  QSqlQuery query(catalog_.db());
  if (!query.exec(QStringLiteral("SELECT count(*) FROM ups")) || !query.next()) return 0;
  return query.value(0).toLongLong();
}

bool CatalogStore::fail(const QString& error) {
  error_ = error;
  return false;
}

bool CatalogStore::begin() { return catalog_.db().transaction() || fail(catalog_.db().lastError().text()); }
bool CatalogStore::commit() { return catalog_.db().commit() || fail(catalog_.db().lastError().text()); }
void CatalogStore::rollback() { catalog_.db().rollback(); }

// The file's row, inserted or brought up to date; 0 on failure.
qint64 CatalogStore::fileRow(const std::string& path, const FileStamp& stamp, int upCount, const QString& error) {
  QSqlQuery query(catalog_.db());
  query.prepare(QStringLiteral(
      "INSERT INTO files(path, size, mtime, up_count, error) VALUES(?, ?, ?, ?, ?) ON CONFLICT(path) DO UPDATE SET "
      "size = excluded.size, mtime = excluded.mtime, up_count = excluded.up_count, error = excluded.error RETURNING id"));
  query.addBindValue(QString::fromStdString(path));
  query.addBindValue(static_cast<qlonglong>(stamp.size));
  query.addBindValue(static_cast<qlonglong>(stamp.mtime));
  query.addBindValue(upCount);
  query.addBindValue(error.isNull() ? QVariant() : QVariant(error));
  if (!query.exec() || !query.next()) {
    fail(query.lastError().text());
    return 0;
  }
  return query.value(0).toLongLong();
}

bool CatalogStore::removeUPs(qint64 fileId) {
  QSqlQuery query(catalog_.db());
  query.prepare(QStringLiteral("DELETE FROM ups WHERE key BETWEEN ? AND ?"));
  query.addBindValue(UPKey(fileId, 0));
  query.addBindValue(UPKey(fileId, 0xFFFF));
  return query.exec() || fail(query.lastError().text());
}

bool CatalogStore::insertUPs(qint64 fileId, const UPFile& file) {
  QSqlQuery query(catalog_.db());
  query.prepare(QStringLiteral("INSERT INTO ups(key, up, name, style, style_no, tempo, song) VALUES(?, ?, ?, ?, ?, ?, ?)"));
  for (int id = 0; id < file.count; ++id) {
    const UPRecord& up = file.up(id);
    query.addBindValue(UPKey(fileId, id));
    query.addBindValue(QString::fromStdString(NumToUPBnk(id)));
    query.addBindValue(ShownText(GetUPText8(up, kUPNameOffset)));
    query.addBindValue(ShownText(GetUPText8(up, kStyleNameOffset)));
    query.addBindValue(QString::fromStdString(GetUPStyleNumberText(up)));
    query.addBindValue(static_cast<int>(GetUPTempo(up)));
    query.addBindValue(ShownText(GetUPSongName(up)));
    if (!query.exec()) return fail(query.lastError().text());
  }
  return true;
}

bool CatalogStore::storeFile(const std::string& path, const FileStamp& stamp, const UPFile& file) {
  const qint64 fileId = fileRow(path, stamp, file.count, QString());
  return fileId != 0 && removeUPs(fileId) && insertUPs(fileId, file);
}

bool CatalogStore::storeProblem(const std::string& path, const FileStamp& stamp, const QString& message) {
  const qint64 fileId = fileRow(path, stamp, 0, message.isEmpty() ? QStringLiteral("Error Opening File") : message);
  return fileId != 0 && removeUPs(fileId);
}

bool CatalogStore::removeFile(qint64 fileId) {
  if (!removeUPs(fileId)) return false;
  QSqlQuery query(catalog_.db());
  query.prepare(QStringLiteral("DELETE FROM files WHERE id = ?"));
  query.addBindValue(fileId);
  return query.exec() || fail(query.lastError().text());
}

}  // namespace tarnwick
