// SPDX-License-Identifier: GPL-3.0-or-later
// The table of one side of the Disk Link view: ID, location code and name of the listed rows,
// with a text alignment per column that the header's right-click cycles.
#pragma once

#include <QAbstractTableModel>

#include <array>
#include <vector>

#include "disklink/disk_link_list.h"

namespace tarnwick {

class DLGridModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit DLGridModel(QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

  void setRows(std::vector<DLRow> rows);
  const std::vector<DLRow>& rows() const { return rows_; }
  // The listed row of entry `id`, or -1.
  int rowOfId(int id) const;
  int idAt(int row) const;

  Qt::Alignment alignment(int column) const;
  void setAlignment(int column, Qt::Alignment alignment);

 private:
  std::vector<DLRow> rows_;
  std::array<Qt::Alignment, kDLColumnCount> alignments_{Qt::AlignRight, Qt::AlignRight, Qt::AlignLeft};
};

// The column captions above the grid.
QString DLColumnCaption(int column);

}  // namespace tarnwick
