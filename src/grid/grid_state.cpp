// SPDX-License-Identifier: GPL-3.0-or-later
#include "grid/grid_state.h"

#include <algorithm>

namespace tarnwick {

void ClearSelection(GridState& state) {
  state.FirstRow = -1;
  state.LastRow = -1;
  state.SelRow = -1;
  state.SelCount = 0;
  state.SelID = -1;
}

void ReadSelection(GridState& state, int anchorRow, int activeRow, const std::vector<int>& ids) {
  const int rowCount = static_cast<int>(ids.size());
  if (rowCount == 0 || activeRow < 0 || activeRow >= rowCount) {
    ClearSelection(state);
    return;
  }
  if (anchorRow < 0 || anchorRow >= rowCount) anchorRow = activeRow;
  state.SelRow = activeRow;
  state.FirstRow = std::min(anchorRow, activeRow);
  state.LastRow = std::max(anchorRow, activeRow);
  state.SelCount = state.LastRow - state.FirstRow + 1;
  state.SelID = ids[static_cast<std::size_t>(activeRow)];
}

void ClickSortHeader(GridState& state, int col) {
  if (col != state.SortCol) {
    state.SortDir = kSortAscending;
  } else {
    state.SortDir = state.SortDir != kSortDescending ? kSortDescending : kSortAscending;
  }
  state.SortCol = static_cast<std::int16_t>(col);
}

std::vector<int> SelectedIDs(const GridState& state, const std::vector<int>& ids) {
  std::vector<int> selected;
  if (state.FirstRow < 0) return selected;
  const int last = std::min(state.LastRow, static_cast<int>(ids.size()) - 1);
  for (int row = state.FirstRow; row <= last; ++row) selected.push_back(ids[static_cast<std::size_t>(row)]);
  return selected;
}

HeaderMark HeaderMarkOf(const GridState& state, int col) {
  if (col != state.SortCol) return HeaderMark::Normal;
  return state.SortDir == kSortDescending ? HeaderMark::Descending : HeaderMark::Ascending;
}

Qt::Alignment NextAlignment(Qt::Alignment current) {
  const Qt::Alignment horizontal = current & Qt::AlignHorizontal_Mask;
  if (horizontal == Qt::AlignLeft) return Qt::AlignHCenter;
  if (horizontal == Qt::AlignHCenter) return Qt::AlignRight;
  return Qt::AlignLeft;
}

}  // namespace tarnwick
