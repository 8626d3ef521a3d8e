// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyboard/rom_style_model.h"

#include <algorithm>

#include "updata/up_record.h"

namespace tarnwick {

RomStyleModel::RomStyleModel(const std::vector<StyleEntry>& styles, QObject* parent)
    : QAbstractTableModel(parent), styles_(styles) {
  rows_.reserve(styles_.size());
  for (std::size_t i = 0; i < styles_.size(); ++i) {
    Row row;
    row.text[ColIndex] = QString::number(i);
    row.text[ColNumber] = QString::fromStdString(NumToUPBnk(static_cast<int>(i)));
    // 8-bit names, shown as Latin-1 text and without their padding.
    row.text[ColName] = QString::fromLatin1(styles_[i].name.data(), static_cast<qsizetype>(styles_[i].name.size()))
                            .trimmed();
    row.numberKey = row.text[ColNumber].toUpper();
    row.nameKey = row.text[ColName].toUpper();
    row.sortKey = {NumberSortKey(static_cast<double>(i)), TextSortKey(NumToUPBnk(static_cast<int>(i))),
                   TextSortKey(row.text[ColName].toLatin1().toStdString())};
    rows_.push_back(std::move(row));
  }
  rebuildVisible();
}

int RomStyleModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(visible_.size());
}

int RomStyleModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant RomStyleModel::data(const QModelIndex& index, int role) const {
  const int style = styleAt(index.row());
  if (style < 0 || index.column() < 0 || index.column() >= ColumnCount) return {};
  if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole) {
    return rows_[static_cast<std::size_t>(style)].text[static_cast<std::size_t>(index.column())];
  }
  if (role == Qt::TextAlignmentRole) {
    return QVariant::fromValue(alignment(index.column()) | Qt::AlignVCenter);
  }
  return {};
}

QVariant RomStyleModel::headerData(int section, Qt::Orientation orientation, int role) const {
  static const char* const kCaptions[] = {"ID", "Style", "Name"};
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= ColumnCount) {
    return QAbstractTableModel::headerData(section, orientation, role);
  }
  return QString::fromLatin1(kCaptions[section]);
}

void RomStyleModel::setFilter(const QString& numberText, const QString& nameText) {
  numberFilter_ = numberText.toUpper();
  nameFilter_ = nameText.toUpper();
  beginResetModel();
  rebuildVisible();
  endResetModel();
}

void RomStyleModel::sort(int column, Qt::SortOrder order) {
  if (column < 0 || column >= ColumnCount) return;
  sortColumn_ = column;
  sortOrder_ = order;
  beginResetModel();
  rebuildVisible();
  endResetModel();
}

void RomStyleModel::rebuildVisible() {
  visible_.clear();
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    const Row& row = rows_[i];
    if (!numberFilter_.isEmpty() && !row.numberKey.contains(numberFilter_)) continue;
    if (!nameFilter_.isEmpty() && !row.nameKey.contains(nameFilter_)) continue;
    visible_.push_back(static_cast<int>(i));
  }
  std::vector<KeyedRow> keyed;
  keyed.reserve(visible_.size());
  for (const int style : visible_) {
    keyed.push_back({rows_[static_cast<std::size_t>(style)].sortKey[static_cast<std::size_t>(sortColumn_)], style});
  }
  SortKeyedRows(keyed, sortOrder_ == Qt::AscendingOrder ? kSortAscending : kSortDescending);
  for (std::size_t i = 0; i < keyed.size(); ++i) visible_[i] = keyed[i].id;
}

void RomStyleModel::setAlignment(int column, Qt::Alignment alignment) {
  if (column < 0 || column >= ColumnCount) return;
  alignment_[static_cast<std::size_t>(column)] = alignment;
  if (!visible_.empty()) emit dataChanged(index(0, column), index(rowCount() - 1, column), {Qt::TextAlignmentRole});
}

Qt::Alignment RomStyleModel::alignment(int column) const {
  return column >= 0 && column < ColumnCount ? alignment_[static_cast<std::size_t>(column)] : Qt::AlignLeft;
}

int RomStyleModel::styleAt(int row) const {
  return row >= 0 && row < static_cast<int>(visible_.size()) ? visible_[static_cast<std::size_t>(row)] : -1;
}

int RomStyleModel::rowOf(int style) const {
  const auto found = std::find(visible_.begin(), visible_.end(), style);
  return found == visible_.end() ? -1 : static_cast<int>(found - visible_.begin());
}

}  // namespace tarnwick
