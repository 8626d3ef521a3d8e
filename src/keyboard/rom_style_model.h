// SPDX-License-Identifier: GPL-3.0-or-later
// The internal ROM styles as a table: entry index, style number (A11..B88) and name, filtered by
// style number and by name and sorted on any column. Texts and sort keys are made once; a filter
// or sort only reorders row numbers.
#pragma once

#include <QAbstractTableModel>
#include <QString>

#include <array>
#include <vector>

#include "grid/sort_key.h"
#include "lists/name_lists.h"

namespace tarnwick {

class RomStyleModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum Column { ColIndex = 0, ColNumber = 1, ColName = 2, ColumnCount = 3 };

  explicit RomStyleModel(const std::vector<StyleEntry>& styles, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  // Rows whose style number (box 1) and name (box 2) contain the boxes' texts, case aside; an
  // empty box keeps every row.
  void setFilter(const QString& numberText, const QString& nameText);
  // Ties keep the index order, whatever was sorted before.
  void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;
  int sortColumn() const { return sortColumn_; }
  Qt::SortOrder sortOrder() const { return sortOrder_; }
  void setAlignment(int column, Qt::Alignment alignment);
  Qt::Alignment alignment(int column) const;

  int totalCount() const { return static_cast<int>(rows_.size()); }
  // The style (entry index) shown in `row`, or -1; the row showing `style`, or -1.
  int styleAt(int row) const;
  int rowOf(int style) const;
  const StyleEntry& entry(int style) const { return styles_[static_cast<std::size_t>(style)]; }

 private:
  struct Row {
    std::array<QString, ColumnCount> text;
    QString numberKey;  // upper-cased, for the filters
    QString nameKey;
    std::array<SortKey, ColumnCount> sortKey;  // ties follow the index
  };
  void rebuildVisible();

  const std::vector<StyleEntry>& styles_;
  std::vector<Row> rows_;
  std::vector<int> visible_;  // entry indexes in shown order
  QString numberFilter_;
  QString nameFilter_;
  int sortColumn_ = ColIndex;
  Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
  std::array<Qt::Alignment, ColumnCount> alignment_{Qt::AlignLeft, Qt::AlignLeft, Qt::AlignLeft};
};

}  // namespace tarnwick
