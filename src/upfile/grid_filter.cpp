// SPDX-License-Identifier: GPL-3.0-or-later
#include "upfile/grid_filter.h"

#include <climits>
#include <cmath>

#include "grid/ansi_fold.h"
#include "upfile/grid_cells.h"
#include "upfile/grid_sort.h"
#include "grid/number_text.h"

namespace tarnwick {

GridFilter::GridFilter(const FilterTexts& texts) {
  for (int col = 1; col < kGridColumnCount; ++col) {
    if (texts[col].isEmpty()) continue;
    active_ = true;
    if (IsTextColumn(col)) {
      folded_[col] = FoldedAnsi(texts[col]);
      if (!folded_[col]) matchesNothing_ = true;
      continue;
    }
    const auto number = ParseNumberText(texts[col]);
    if (!number || std::abs(*number) > INT_MAX) {
      matchesNothing_ = true;
      continue;
    }
    numbers_[col] = static_cast<int>(std::floor(*number));
  }
}

bool GridFilter::passes(const UPRecord& up, int id, const ColumnSelectors& selectors) const {
  if (!active_) return true;
  if (matchesNothing_) return false;
  for (int col = 1; col < kGridColumnCount; ++col) {
    if (folded_[col]) {
      if (AnsiUpper(CellText(up, id, col)).find(*folded_[col]) == std::string::npos) return false;
    } else if (numbers_[col] && CellNumber(up, id, col, selectors) != *numbers_[col]) {
      return false;
    }
  }
  return true;
}

std::vector<int> BuildGridRows(const UPFile& file, const GridFilter& filter, const ColumnSelectors& selectors,
                               int sortCol, int sortDir, GridSortKeys* keys) {
  std::vector<int> ids;
  ids.reserve(static_cast<std::size_t>(file.count));
  for (int id = 0; id < file.count; ++id) {
    if (filter.passes(file.up(id), id, selectors)) ids.push_back(id);
  }
  if (sortCol == kColID && sortDir == kSortAscending) return ids;
  if (keys != nullptr) {
    keys->sort(ids, file, sortCol, sortDir, selectors);
  } else {
    SortGridRows(ids, file, sortCol, sortDir, selectors);
  }
  return ids;
}

}  // namespace tarnwick
