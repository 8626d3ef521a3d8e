// SPDX-License-Identifier: GPL-3.0-or-later
// The two read-only tables of the UP edit panel, as models over one UP: the part table (a row
// per part: channel, part, tone name, on/off, mixer values, song flags) and the tone table (a
// column per part: bank select, program, song flags, wrap range and arranger tone).
#pragma once

#include <QAbstractTableModel>
#include <QString>

#include "lists/name_lists.h"
#include "updata/up_record.h"

namespace tarnwick {

inline constexpr int kPartTableColumns = 13;
inline constexpr int kToneTableRows = 8;
inline constexpr int kToneTableColumns = 1 + kPartCount;

// The cell of the part table for `part` in column `col` (0 "Chn" .. 12 "S.T").
QString PartTableCell(const NameTables& names, const UPRecord& up, int part, int col);
QString PartTableHeader(int col);         // "Chn", "Part", "Tone", ... "S.T"
QString PartTableHeaderToolTip(int col);  // empty for columns 0 and 1

// The cell of the tone table for `part` in row `row` (0 "cc 00" .. 7 "T.Arrng").
QString ToneTableCell(const UPRecord& up, int part, int row);
QString ToneTableRowTitle(int row);       // "cc 00" .. "T.Arrng"
QString ToneTableColumnTitle(int col);    // "Parameter", "UP1" .. "AC6"

// Both models show the UP they were last given; they hold a copy, so the panel never reads a
// record that a transfer has moved or removed since.
class PartTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit PartTableModel(const NameTables& names, QObject* parent = nullptr);
  void showUP(const UPRecord* up);  // null: empty cells

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

 private:
  const NameTables& names_;
  UPRecord up_{};
  bool shown_ = false;
};

class ToneTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit ToneTableModel(QObject* parent = nullptr);
  void showUP(const UPRecord* up);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

 private:
  UPRecord up_{};
  bool shown_ = false;
};

}  // namespace tarnwick
