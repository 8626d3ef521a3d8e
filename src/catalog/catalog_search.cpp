// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/catalog_search.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include "catalog/catalog_db.h"

namespace tarnwick {
namespace {

QString SearchStatement(const SearchFilter& filter) {
  QString sql = QStringLiteral(
      "SELECT f.path, u.key & 65535, u.up, u.name, u.style, u.style_no, u.tempo, u.song FROM ");
  sql += filter.match.isEmpty() ? QStringLiteral("ups u")
                                : QStringLiteral("ups_fts JOIN ups u ON u.key = ups_fts.rowid");
  sql += QStringLiteral(" JOIN files f ON f.id = u.key >> 16 WHERE 1");
  if (!filter.match.isEmpty()) sql += QStringLiteral(" AND ups_fts MATCH :match");
  if (filter.tempoMin >= 0) sql += QStringLiteral(" AND u.tempo BETWEEN :tmin AND :tmax");
  if (!filter.styleNumber.isEmpty()) sql += QStringLiteral(" AND u.style_no = :style");
  // The full-text index hands its rows out in key order already.
  sql += filter.match.isEmpty() ? QStringLiteral(" ORDER BY u.key") : QStringLiteral(" ORDER BY ups_fts.rowid");
  return sql + QStringLiteral(" LIMIT :limit");
}

}  // namespace

CatalogHits FindInCatalog(CatalogDb& catalog, const SearchFilter& filter, int limit) {
  CatalogHits found;
  if (!filter.problem.isEmpty()) {
    found.problem = filter.problem;
    return found;
  }
  if (filter.empty()) return found;
  QSqlQuery query(catalog.db());
  query.setForwardOnly(true);
  query.prepare(SearchStatement(filter));
  if (!filter.match.isEmpty()) query.bindValue(QStringLiteral(":match"), filter.match);
  if (filter.tempoMin >= 0) {
    query.bindValue(QStringLiteral(":tmin"), filter.tempoMin);
    query.bindValue(QStringLiteral(":tmax"), filter.tempoMax);
  }
  if (!filter.styleNumber.isEmpty()) query.bindValue(QStringLiteral(":style"), filter.styleNumber);
  query.bindValue(QStringLiteral(":limit"), limit + 1);
  // A word that holds no letters or digits is no search; it finds nothing rather than failing.
  if (!query.exec()) return found;
  found.hits.reserve(static_cast<std::size_t>(std::min(limit, 1024)));
  while (query.next()) {
    if (static_cast<int>(found.hits.size()) == limit) {
      found.more = true;
      break;
    }
    found.hits.push_back({query.value(0).toString(), query.value(1).toInt(), query.value(2).toString(),
                          query.value(3).toString(), query.value(4).toString(), query.value(5).toString(),
                          query.value(6).toInt(), query.value(7).toString()});
  }
  return found;
}

}  // namespace tarnwick
