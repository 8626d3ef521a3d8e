// SPDX-License-Identifier: GPL-3.0-or-later
// The row test of a UP grid: the texts of its twelve filter boxes, read once per refresh. Boxes
// 1..6 match when the shown text of their column contains the box text, regardless of case;
// boxes 7..12 when the number shown equals the box's number. Empty boxes take no part.
#pragma once

#include <QString>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "updata/up_file.h"
#include "upfile/grid_columns.h"
#include "upfile/grid_sort.h"

namespace tarnwick {

// Index j (1..12) holds the text of filter box j; index 0 is unused.
using FilterTexts = std::array<QString, kGridColumnCount>;

class GridFilter {
 public:
  GridFilter() = default;
  explicit GridFilter(const FilterTexts& texts);

  bool active() const { return active_; }
  bool passes(const UPRecord& up, int id, const ColumnSelectors& selectors) const;

 private:
  std::array<std::optional<std::string>, kGridColumnCount> folded_;  // columns 1..6
  std::array<std::optional<int>, kGridColumnCount> numbers_;         // columns 7..12
  bool active_ = false;
  bool matchesNothing_ = false;
};

// The IDs a grid shows: every UP of the file that passes the filter, in ID order, then sorted.
// With `keys`, the sort keeps its keys there for the next sort.
std::vector<int> BuildGridRows(const UPFile& file, const GridFilter& filter, const ColumnSelectors& selectors,
                               int sortCol, int sortDir, GridSortKeys* keys = nullptr);

}  // namespace tarnwick
