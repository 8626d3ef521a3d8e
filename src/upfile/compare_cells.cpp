// SPDX-License-Identifier: GPL-3.0-or-later
#include "upfile/compare_cells.h"

#include "upfile/grid_cells.h"

namespace tarnwick {

CellComparison CompareCell(const UPFile& mine, const UPFile& other, int id, int col, const ColumnSelectors& selectors) {
  if (id < 0 || id >= mine.count) return CellComparison::Same;
  if (id >= other.count) return CellComparison::OnlyHere;
  if (col == kColID || col == kColUserProgram) return CellComparison::Same;  // the same ID shows the same
  const UPRecord& a = mine.up(id);
  const UPRecord& b = other.up(id);
  const bool same = IsTextColumn(col) ? CellText(a, id, col) == CellText(b, id, col)
                                      : CellNumber(a, id, col, selectors) == CellNumber(b, id, col, selectors);
  return same ? CellComparison::Same : CellComparison::Differs;
}

bool RowDiffers(const UPFile& mine, const UPFile& other, int id, const ColumnSelectors& selectors) {
  if (id >= other.count) return id < mine.count;
  for (int col = kColName; col < kGridColumnCount; ++col) {
    if (CompareCell(mine, other, id, col, selectors) != CellComparison::Same) return true;
  }
  return false;
}

int NextDifferentRow(const std::vector<int>& rowIDs, const UPFile& mine, const UPFile& other,
                     const ColumnSelectors& selectors, int fromRow, int step) {
  const int rows = static_cast<int>(rowIDs.size());
  if (rows == 0) return -1;
  int row = fromRow;
  for (int k = 0; k < rows; ++k) {
    row = ((row + step) % rows + rows) % rows;
    if (RowDiffers(mine, other, rowIDs[static_cast<std::size_t>(row)], selectors)) return row;
  }
  return -1;
}

}  // namespace tarnwick
