// SPDX-License-Identifier: GPL-3.0-or-later
#include "upfile/up_grid_model.h"

#include <algorithm>

#include "upfile/grid_cells.h"

namespace tarnwick {

UPGridModel::UPGridModel(const UPFile& file, const NameTables& names, QObject* parent)
    : QAbstractTableModel(parent), file_(file), names_(names) {
  for (int col = 0; col < kGridColumnCount; ++col) {
    alignments_[static_cast<std::size_t>(col)] = DefaultColumnLook(col).alignment;
  }
}

void UPGridModel::setRows(std::vector<int> ids) {
  beginResetModel();
  ids_ = std::move(ids);
  endResetModel();
}

int UPGridModel::idAt(int row) const {
  return row >= 0 && row < static_cast<int>(ids_.size()) ? ids_[static_cast<std::size_t>(row)] : -1;
}

int UPGridModel::rowOfID(int id) const {
  const auto found = std::find(ids_.begin(), ids_.end(), id);
  return found == ids_.end() ? -1 : static_cast<int>(found - ids_.begin());
}

void UPGridModel::setSelectors(const ColumnSelectors& selectors) {
  selectors_ = selectors;
  if (!ids_.empty()) {
    emit dataChanged(index(0, kColPad), index(rowCount() - 1, kColToneProgram));
  }
  emit headerDataChanged(Qt::Horizontal, kColPad, kColEFX);
}

void UPGridModel::setCellShade(CellShade shade) {
  shade_ = std::move(shade);
  if (!ids_.empty()) emit dataChanged(index(0, 0), index(rowCount() - 1, kGridColumnCount - 1), {Qt::BackgroundRole});
}

void UPGridModel::setAlignment(int col, Qt::Alignment alignment) {
  alignments_[static_cast<std::size_t>(col)] = alignment;
  if (!ids_.empty()) {
    emit dataChanged(index(0, col), index(rowCount() - 1, col), {Qt::TextAlignmentRole});
  }
}

int UPGridModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(ids_.size());
}

int UPGridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kGridColumnCount;
}

// The record of a row, or nothing when the row is gone or its UP no longer exists (a grid is
// always refreshed after its file changes, but a paint may come first).
const UPRecord* UPGridModel::recordAt(int row) const {
  const int id = idAt(row);
  return id >= 0 && id < file_.count ? &file_.up(id) : nullptr;
}

QVariant UPGridModel::data(const QModelIndex& index, int role) const {
  if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return {};
  const UPRecord* up = recordAt(index.row());
  if (up == nullptr) return {};
  const int id = idAt(index.row());
  switch (role) {
    case Qt::DisplayRole:
      return CellDisplayText(*up, id, index.column(), selectors_);
    case Qt::ToolTipRole: {
      const CellToolTipContext context{&names_, &selectors_, midiOutOpen_ && midiOutOpen_()};
      return CellToolTip(*up, id, index.column(), context);
    }
    case Qt::TextAlignmentRole:
      return QVariant::fromValue(alignment(index.column()) | Qt::AlignVCenter);
    case Qt::BackgroundRole:
      return shade_ ? shade_(id, index.column()) : QVariant();
    default:
      return {};
  }
}

QVariant UPGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= kGridColumnCount) {
    return QAbstractTableModel::headerData(section, orientation, role);
  }
  if (role == Qt::DisplayRole) return ColumnCaption(section, selectors_);
  if (role == Qt::ToolTipRole) return HeaderToolTip(section, selectors_);
  return {};
}

Qt::ItemFlags UPGridModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  // The ID column is drawn like a header and never highlighted.
  if (index.column() == kColID) return Qt::ItemIsEnabled;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

}  // namespace tarnwick
