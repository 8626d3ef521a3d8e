// SPDX-License-Identifier: GPL-3.0-or-later
// Sorting the rows of a UP grid by one column, with the shared sort keys of grid/sort_key.h.
#pragma once

#include <vector>

#include "grid/sort_key.h"
#include "updata/up_file.h"
#include "upfile/grid_columns.h"

namespace tarnwick {

// `ids` are the IDs of the grid's rows in their present order; all must be below file.count.
void SortGridRows(std::vector<int>& ids, const UPFile& file, int col, int direction,
                  const ColumnSelectors& selectors);

}  // namespace tarnwick
