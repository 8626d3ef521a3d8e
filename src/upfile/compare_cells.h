// SPDX-License-Identifier: GPL-3.0-or-later
// Comparing the two files cell by cell, as the grids show them: a cell differs when the same ID
// of the other file shows another value in that column (read with this grid's column selectors),
// and every cell of an ID that only this file has stands out. Worked out on demand, for the
// cells being painted and for the row a jump lands on, so no change ever waits for it.
#pragma once

#include <vector>

#include "updata/up_file.h"
#include "upfile/grid_columns.h"

namespace tarnwick {

enum class CellComparison { Same, Differs, OnlyHere };

CellComparison CompareCell(const UPFile& mine, const UPFile& other, int id, int col, const ColumnSelectors& selectors);

// Whether any column of the ID compares other than Same.
bool RowDiffers(const UPFile& mine, const UPFile& other, int id, const ColumnSelectors& selectors);

// The next row after `fromRow` (step +1) or before it (step -1) whose UP differs, wrapping around
// the grid's rows; -1 when none does.
int NextDifferentRow(const std::vector<int>& rowIDs, const UPFile& mine, const UPFile& other,
                     const ColumnSelectors& selectors, int fromRow, int step);

}  // namespace tarnwick
