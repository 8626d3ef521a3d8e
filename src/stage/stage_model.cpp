// SPDX-License-Identifier: GPL-3.0-or-later
#include "stage/stage_model.h"

#include <QColor>
#include <QCoreApplication>
#include <QDataStream>
#include <QFont>
#include <QIODevice>
#include <QMimeData>
#include <set>

#include "stage/stage_set_list.h"
#include "upfile/drop_rules.h"

namespace tarnwick {
namespace {

const QColor kMissingColour(200, 0, 0);
const QColor kMissingOnBlack(255, 96, 96);

QByteArray EncodeRows(qint64 process, const std::vector<int>& rows) {
  QByteArray bytes;
  QDataStream out(&bytes, QIODevice::WriteOnly);
  out << process << static_cast<qint32>(rows.size());
  for (const int row : rows) out << static_cast<qint32>(row);
  return bytes;
}

std::vector<int> DecodeRows(const QByteArray& bytes, int rowCount) {
  QDataStream in(bytes);
  qint64 process = 0;
  qint32 count = 0;
  in >> process >> count;
  if (process != QCoreApplication::applicationPid() || count <= 0 || count > rowCount) return {};
  std::vector<int> rows;
  for (qint32 i = 0; i < count; ++i) {
    qint32 row = -1;
    in >> row;
    if (in.status() != QDataStream::Ok || row < 0 || row >= rowCount) return {};
    rows.push_back(row);
  }
  return rows;
}

}  // namespace

StageModel::StageModel(StageSetList& list, QObject* parent) : QAbstractTableModel(parent), list_(list) {
  connect(&list_, &StageSetList::aboutToChange, this, [this] { beginResetModel(); });
  connect(&list_, &StageSetList::changed, this, [this] {
    rebuild();
    endResetModel();
  });
  rebuild();
}

void StageModel::rebuild() {
  const int slot = list_.upsSlot();
  rows_ = MakeStageRows(list_.entries(), slot < 0 ? nullptr : &list_.data().files[static_cast<std::size_t>(slot)]);
  if (current_ >= rowCount()) current_ = rowCount() - 1;
}

int StageModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int StageModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kStageColumnCount; }

QVariant StageModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const StageRow& row = rowAt(index.row());
  switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
    case Qt::AccessibleTextRole: return row.texts[static_cast<std::size_t>(index.column())];
    case Qt::ForegroundRole:
      if (row.state != EntryState::Missing) return {};
      return dark_ ? kMissingOnBlack : kMissingColour;
    case Qt::FontRole: {
      if (index.row() != current_) return {};
      QFont bold;
      bold.setBold(true);
      return bold;
    }
    default: return {};
  }
}

QVariant StageModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) return {};
  if (orientation == Qt::Vertical) return section + 1;
  if (section < 0 || section >= kStageColumnCount) return {};
  return StageColumnTitle(static_cast<StageColumn>(section));
}

Qt::ItemFlags StageModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::ItemIsDropEnabled;
  Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled;
  if (index.column() == static_cast<int>(StageColumn::Note)) flags |= Qt::ItemIsEditable;
  return flags;
}

bool StageModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::EditRole || index.column() != static_cast<int>(StageColumn::Note)) return false;
  return list_.SetNote(index.row(), value.toString());
}

void StageModel::setCurrentRow(int row) {
  const int before = current_;
  current_ = row;
  for (const int changed : {before, row}) {
    if (changed >= 0 && changed < rowCount()) emit dataChanged(index(changed, 0), index(changed, kStageColumnCount - 1));
  }
}

void StageModel::setDark(bool dark) {
  dark_ = dark;
  if (rowCount() > 0) emit dataChanged(index(0, 0), index(rowCount() - 1, kStageColumnCount - 1));
}

QStringList StageModel::mimeTypes() const {
  return {QString::fromLatin1(kStageRowsMimeType), QString::fromLatin1(kRowDragMimeType)};
}

QMimeData* StageModel::mimeData(const QModelIndexList& indexes) const {
  std::set<int> rows;
  for (const QModelIndex& index : indexes) rows.insert(index.row());
  auto* data = new QMimeData;
  data->setData(QString::fromLatin1(kStageRowsMimeType),
                EncodeRows(QCoreApplication::applicationPid(), {rows.begin(), rows.end()}));
  return data;
}

bool StageModel::canDropMimeData(const QMimeData* data, Qt::DropAction, int, int, const QModelIndex&) const {
  return data->hasFormat(QString::fromLatin1(kStageRowsMimeType)) || data->hasFormat(QString::fromLatin1(kRowDragMimeType));
}

bool StageModel::dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int, const QModelIndex& parent) {
  if (action == Qt::IgnoreAction) return true;
  // A drop on a row goes in before it; below the last row, at the end.
  const int at = row >= 0 ? row : parent.isValid() ? parent.row() : rowCount();
  if (data->hasFormat(QString::fromLatin1(kStageRowsMimeType))) {
    // The rows are moved here; the view is then told nothing was taken (it would remove them).
    list_.Move(DecodeRows(data->data(QString::fromLatin1(kStageRowsMimeType)), rowCount()), at);
    return false;
  }
  const std::optional<RowDrag> drag = DecodeRowDrag(data->data(QString::fromLatin1(kRowDragMimeType)));
  if (!drag || drag->process != QCoreApplication::applicationPid()) return false;
  const QString refusal = list_.Insert(at, drag->sourceFile, drag->ids);
  if (!refusal.isEmpty()) emit dropRefused(refusal);
  return refusal.isEmpty();
}

}  // namespace tarnwick
