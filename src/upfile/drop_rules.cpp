// SPDX-License-Identifier: GPL-3.0-or-later
#include "upfile/drop_rules.h"

#include <QDataStream>
#include <QFileInfo>
#include <QIODevice>
#include <QMimeData>

#include "updata/up_file.h"
#include "upfile/transfers.h"

namespace tarnwick {

QByteArray EncodeRowDrag(const RowDrag& drag) {
  QByteArray payload;
  QDataStream out(&payload, QIODevice::WriteOnly);
  out << drag.process << static_cast<qint32>(drag.sourceFile) << static_cast<quint32>(drag.ids.size());
  for (const int id : drag.ids) out << static_cast<qint32>(id);
  return payload;
}

std::optional<RowDrag> DecodeRowDrag(const QByteArray& payload) {
  QDataStream in(payload);
  RowDrag drag;
  qint32 sourceFile = -1;
  quint32 count = 0;
  in >> drag.process >> sourceFile >> count;
  if (in.status() != QDataStream::Ok || sourceFile < 0 || sourceFile > 1) return std::nullopt;
  if (count == 0 || count > static_cast<quint32>(kMaxUPCount)) return std::nullopt;
  drag.sourceFile = sourceFile;
  drag.ids.reserve(count);
  for (quint32 k = 0; k < count; ++k) {
    qint32 id = -1;
    in >> id;
    if (in.status() != QDataStream::Ok || id < 0 || id >= kMaxUPCount) return std::nullopt;
    drag.ids.push_back(id);
  }
  if (!in.atEnd()) return std::nullopt;
  return drag;
}

DropPlan PlanRowDrop(const std::vector<int>& targetRowIDs, int dropRow, std::size_t draggedCount, bool copy) {
  DropPlan plan;
  const bool onRow = dropRow >= 0 && static_cast<std::size_t>(dropRow) < targetRowIDs.size();
  if (copy) {
    plan.kind = DropKind::Copy;
    const std::size_t first = onRow ? static_cast<std::size_t>(dropRow) : targetRowIDs.size();
    if (draggedCount == 0 || targetRowIDs.size() - first < draggedCount) {
      plan.refusal = kCopyFailedMessage;
      return plan;
    }
    const auto from = targetRowIDs.begin() + static_cast<std::ptrdiff_t>(first);
    plan.targetIDs.assign(from, from + static_cast<std::ptrdiff_t>(draggedCount));
    return plan;
  }
  if (!onRow) return plan;  // an Append
  plan.kind = DropKind::Insert;
  plan.position = targetRowIDs[static_cast<std::size_t>(dropRow)];
  return plan;
}

QString UPSFileOfUrls(const QList<QUrl>& urls) {
  if (urls.size() != 1 || !urls.front().isLocalFile()) return {};
  const QString path = urls.front().toLocalFile();
  if (QFileInfo(path).suffix().compare(QStringLiteral("ups"), Qt::CaseInsensitive) != 0) return {};
  return path;
}

DragPayload ReadDragPayload(const QMimeData& data, qint64 thisProcess) {
  DragPayload payload;
  const QString rowsFormat = QString::fromLatin1(kRowDragMimeType);
  if (data.hasFormat(rowsFormat)) {
    std::optional<RowDrag> rows = DecodeRowDrag(data.data(rowsFormat));
    if (rows && rows->process == thisProcess) payload.rows = std::move(rows);
    return payload;
  }
  if (data.hasUrls()) payload.file = UPSFileOfUrls(data.urls());
  return payload;
}

QMimeData* RowDragMimeData(const RowDrag& rows) {
  auto* data = new QMimeData;
  data->setData(QString::fromLatin1(kRowDragMimeType), EncodeRowDrag(rows));
  return data;
}

}  // namespace tarnwick
