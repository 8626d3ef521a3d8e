// SPDX-License-Identifier: GPL-3.0-or-later
// UPs dragged out of the catalog's results: the files they are in and their IDs there, so that a
// UP grid can read the records from disk when they are dropped.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

#include "updata/up_file.h"

namespace tarnwick {

inline constexpr char kCatalogDragMimeType[] = "application/x-tarnwick-catalog-ups";

struct CatalogUP {
  QString path;
  int id = 0;
  bool operator==(const CatalogUP&) const = default;
};

QByteArray EncodeCatalogDrag(const std::vector<CatalogUP>& ups);
// Anything malformed gives none.
std::optional<std::vector<CatalogUP>> DecodeCatalogDrag(const QByteArray& payload);

// Reads the dragged UPs from their files into `records` (ID k holds the k-th dragged UP), each
// file read once. Fails with the message for the user when a file no longer loads or no longer
// holds the ID; `records` is then untouched.
QString ReadCatalogUPs(const std::vector<CatalogUP>& ups, UPFile& records);

}  // namespace tarnwick
