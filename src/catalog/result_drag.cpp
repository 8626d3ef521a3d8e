// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/result_drag.h"

#include <QDataStream>
#include <QIODevice>

#include <map>

#include "updata/ups_file.h"

namespace tarnwick {

QByteArray EncodeCatalogDrag(const std::vector<CatalogUP>& ups) {
  QByteArray payload;
  QDataStream out(&payload, QIODevice::WriteOnly);
  out << static_cast<quint32>(ups.size());
  for (const CatalogUP& up : ups) out << up.path << static_cast<qint32>(up.id);
  return payload;
}

std::optional<std::vector<CatalogUP>> DecodeCatalogDrag(const QByteArray& payload) {
  QDataStream in(payload);
  quint32 count = 0;
  in >> count;
  if (in.status() != QDataStream::Ok || count == 0 || count > static_cast<quint32>(kMaxUPCount)) return std::nullopt;
  std::vector<CatalogUP> ups;
  ups.reserve(count);
  for (quint32 k = 0; k < count; ++k) {
    CatalogUP up;
    qint32 id = -1;
    in >> up.path >> id;
    if (in.status() != QDataStream::Ok || up.path.isEmpty() || id < 0 || id >= kMaxUPCount) return std::nullopt;
    up.id = id;
    ups.push_back(std::move(up));
  }
  if (!in.atEnd()) return std::nullopt;
  return ups;
}

QString ReadCatalogUPs(const std::vector<CatalogUP>& ups, UPFile& records) {
  std::map<QString, UPFile> files;
  for (const CatalogUP& up : ups) {
    if (files.count(up.path) != 0) continue;
    const FileResult loaded = LoadUPSFile(files[up.path], up.path.toStdString());
    if (!loaded) return loaded.message.empty() ? QStringLiteral("Error Opening File: %1").arg(up.path) : QString::fromStdString(loaded.message);
  }
  UPFile gathered;
  if (!SetUPCount(gathered, static_cast<int>(ups.size()))) return QStringLiteral("Too many UPs");
  for (std::size_t k = 0; k < ups.size(); ++k) {
    const UPFile& file = files[ups[k].path];
    if (ups[k].id >= file.count)
      return QStringLiteral("%1 no longer holds ID %2. Search again after the catalog is scanned.").arg(ups[k].path).arg(ups[k].id);
    gathered.up(static_cast<int>(k)) = file.up(ups[k].id);
  }
  records = std::move(gathered);
  return {};
}

}  // namespace tarnwick
