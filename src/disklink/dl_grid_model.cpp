// SPDX-License-Identifier: GPL-3.0-or-later
#include "disklink/dl_grid_model.h"

namespace tarnwick {

QString DLColumnCaption(int column) {
  switch (column) {
    case 0: return QStringLiteral("ID");
    case 1: return QStringLiteral("DL");
    default: return QStringLiteral("Name");
  }
}

DLGridModel::DLGridModel(QObject* parent) : QAbstractTableModel(parent) {}

int DLGridModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int DLGridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kDLColumnCount;
}

QVariant DLGridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount() || index.column() >= kDLColumnCount) return {};
  const DLRow& row = rows_[static_cast<std::size_t>(index.row())];
  if (role == Qt::DisplayRole) {
    switch (index.column()) {
      case 0: return QString::number(row.id);
      case 1: return row.code;
      default: return row.name;
    }
  }
  if (role == Qt::TextAlignmentRole) {
    return QVariant::fromValue(alignments_[static_cast<std::size_t>(index.column())] | Qt::AlignVCenter);
  }
  return {};
}

QVariant DLGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Horizontal) {
    return section >= 0 && section < kDLColumnCount ? QVariant(DLColumnCaption(section)) : QVariant();
  }
  return section + 1;
}

void DLGridModel::setRows(std::vector<DLRow> rows) {
  beginResetModel();
  rows_ = std::move(rows);
  endResetModel();
}

int DLGridModel::rowOfId(int id) const {
  for (std::size_t row = 0; row < rows_.size(); ++row) {
    if (rows_[row].id == id) return static_cast<int>(row);
  }
  return -1;
}

int DLGridModel::idAt(int row) const {
  return row >= 0 && row < rowCount() ? rows_[static_cast<std::size_t>(row)].id : -1;
}

Qt::Alignment DLGridModel::alignment(int column) const {
  return alignments_[static_cast<std::size_t>(column)];
}

void DLGridModel::setAlignment(int column, Qt::Alignment alignment) {
  if (column < 0 || column >= kDLColumnCount) return;
  alignments_[static_cast<std::size_t>(column)] = alignment;
  emit dataChanged(index(0, column), index(rowCount() - 1, column), {Qt::TextAlignmentRole});
}

}  // namespace tarnwick
