// SPDX-License-Identifier: GPL-3.0-or-later
// The selection and sort of a grid (the UP grids, the browsers and the Disk Link lists), as every
// command of their windows reads them.
#pragma once

#include <Qt>
#include <cstdint>
#include <vector>

#include "grid/sort_key.h"

namespace tarnwick {

struct GridState {
  int FirstRow = -1;  // first row of the selected block
  int LastRow = -1;   // last row of the selected block
  int SelRow = -1;    // the row the selection was extended to (the active row)
  int SelCount = 0;   // rows in the block
  int SelID = -1;     // the ID shown in SelRow; -1 = none
  std::int16_t SortCol = 0;
  std::int16_t SortDir = kSortAscending;
};

// The values of a grid without rows; the sort is kept.
void ClearSelection(GridState& state);

// Takes the selected block from `anchorRow` (where the selection started) to `activeRow` (where
// it was extended to) of a grid showing `ids`.
void ReadSelection(GridState& state, int anchorRow, int activeRow, const std::vector<int>& ids);

// A left click on the header of `col`: a new column starts ascending, the same column toggles.
void ClickSortHeader(GridState& state, int col);

// The IDs of the selected rows, first to last, in display order.
std::vector<int> SelectedIDs(const GridState& state, const std::vector<int>& ids);

// The pictures of a header button for the three looks: not sorted, ascending, descending.
enum class HeaderMark { Normal, Ascending, Descending };
HeaderMark HeaderMarkOf(const GridState& state, int col);

// The right-click cycle of a column's alignment: left -> centre -> right -> left.
Qt::Alignment NextAlignment(Qt::Alignment current);

}  // namespace tarnwick
