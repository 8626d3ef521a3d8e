// SPDX-License-Identifier: GPL-3.0-or-later
// The rows of a tone or drum set browser: the named entries of its name table that pass the four
// filters and Show +, with their decorated names, sorted by one column. The model keeps the rows
// whole (at most 2038), with their texts and sort keys made once per fill.
#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <array>
#include <string>
#include <vector>

#include "lists/name_lists.h"
#include "tone/browser_kind.h"

namespace tarnwick {

struct BrowserRow {
  int entry = 0;  // index in the name table: the row's ID
  std::uint8_t msb = 0;
  std::uint8_t lsb = 0;
  std::uint8_t program = 0;  // counted from 1, as stored
  std::string name;          // decorated, 8-bit text
  QString shownName;
};

// The texts of filter boxes 1..4 ([0] unused).
using BrowserFilterTexts = std::array<QString, kBrowserFilterCount + 1>;

// The named entries of the table that pass, in table order.
std::vector<BrowserRow> BuildBrowserRows(const NameTables& tables, bool drumSets, const BrowserFilterTexts& filters,
                                         int markPos, bool showPlus);
void SortBrowserRows(std::vector<BrowserRow>& rows, int col, int order);

class BrowserModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  BrowserModel(const NameTables& tables, bool drumSets, QObject* parent = nullptr);

  // Rebuilds the rows from the table, then sorts them by `col` in `order`.
  void fill(const BrowserFilterTexts& filters, int markPos, bool showPlus, int col, int order);
  void sortRows(int col, int order);

  int tableSize() const;
  const BrowserRow& rowAt(int row) const { return rows_[static_cast<std::size_t>(row)]; }
  int rowOfEntry(int entry) const;  // -1 when the entry is not listed

  void setAlignment(int col, Qt::Alignment alignment);
  Qt::Alignment alignment(int col) const { return alignments_[static_cast<std::size_t>(col)]; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

 private:
  const NameTables& tables_;
  bool drumSets_;
  std::vector<BrowserRow> rows_;
  std::array<Qt::Alignment, kBrowserColumnCount> alignments_;
};

}  // namespace tarnwick
