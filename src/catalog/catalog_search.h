// SPDX-License-Identifier: GPL-3.0-or-later
// The UPs of the catalog that fit a search, in file and ID order.
#pragma once

#include <QString>
#include <vector>

#include "catalog/search_text.h"

namespace tarnwick {

class CatalogDb;

struct CatalogHit {
  QString path;
  int id = 0;
  QString up;  // "A11".."C88" for the UPs of a set, empty beyond
  QString name;
  QString style;
  QString styleNumber;
  int tempo = 0;
  QString song;
};

struct CatalogHits {
  std::vector<CatalogHit> hits;
  bool more = false;  // more UPs fit than `limit`
  QString problem;    // why nothing could be searched
};

inline constexpr int kCatalogHitLimit = 2000;

CatalogHits FindInCatalog(CatalogDb& catalog, const SearchFilter& filter, int limit = kCatalogHitLimit);

}  // namespace tarnwick
