// SPDX-License-Identifier: GPL-3.0-or-later
// The table model behind one UP grid: a list of IDs in display order over the records of one
// file. Cell texts are made on demand from the records, so only the rows on screen cost anything;
// filtering and sorting build the ID list elsewhere (grid_filter.h) and hand it over whole.
#pragma once

#include <QAbstractTableModel>
#include <array>
#include <functional>
#include <vector>

#include "lists/name_lists.h"
#include "updata/up_file.h"
#include "upfile/grid_columns.h"
#include "upfile/grid_sort.h"

namespace tarnwick {

class UPGridModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  UPGridModel(const UPFile& file, const NameTables& names, QObject* parent = nullptr);

  void setRows(std::vector<int> ids);
  const std::vector<int>& rowIDs() const { return ids_; }
  int idAt(int row) const;
  int rowOfID(int id) const;  // the first row showing `id`, or -1

  void setSelectors(const ColumnSelectors& selectors);
  const ColumnSelectors& selectors() const { return selectors_; }
  void setMidiOutOpen(std::function<bool()> midiOutOpen) { midiOutOpen_ = std::move(midiOutOpen); }
  // The background of a cell (by ID and column), or none for the grid's own; for comparing files.
  using CellShade = std::function<QVariant(int id, int col)>;
  void setCellShade(CellShade shade);

  // The text columns' sort keys of this grid's file, kept between sorts.
  GridSortKeys& sortKeys() { return sortKeys_; }

  void setAlignment(int col, Qt::Alignment alignment);
  Qt::Alignment alignment(int col) const { return alignments_[static_cast<std::size_t>(col)]; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

 private:
  const UPRecord* recordAt(int row) const;

  const UPFile& file_;
  const NameTables& names_;
  std::vector<int> ids_;
  ColumnSelectors selectors_;
  std::function<bool()> midiOutOpen_;
  CellShade shade_;
  std::array<Qt::Alignment, kGridColumnCount> alignments_{};
  GridSortKeys sortKeys_;
};

}  // namespace tarnwick
