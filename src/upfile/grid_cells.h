// SPDX-License-Identifier: GPL-3.0-or-later
// What the cells of a UP grid show for one UP: the texts of columns 1..6, the numbers of columns
// 0 and 7..12, and the tooltip of each column. Everything is read from the raw record on demand.
#pragma once

#include <QString>
#include <string>

#include "lists/name_lists.h"
#include "updata/up_record.h"
#include "upfile/grid_columns.h"

namespace tarnwick {

// Columns 0 and 7..12: the number shown (the ID, tempo, selected pad / effect byte, bank select
// MSB and LSB, program number counted from 1).
int CellNumber(const UPRecord& up, int id, int col, const ColumnSelectors& selectors);

// Columns 1..6: the 8-bit text shown, names with their blanks trimmed on both sides.
std::string CellText(const UPRecord& up, int id, int col);

// Any column, as the grid shows it (8-bit texts read as Windows-1252).
QString CellDisplayText(const UPRecord& up, int id, int col, const ColumnSelectors& selectors);

struct CellToolTipContext {
  const NameTables* names = nullptr;
  const ColumnSelectors* selectors = nullptr;
  bool midiOutOpen = false;
};
QString CellToolTip(const UPRecord& up, int id, int col, const CellToolTipContext& context);

QString AnsiQString(const std::string& ansi);

}  // namespace tarnwick
