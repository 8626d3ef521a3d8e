// Sorting the rows of a UP grid by one column. Texts that are both numbers compare as numbers,
// other texts compare letter by letter without regard to case; to keep the order total (the sort
// must never see a < b < c < a), every number sorts before every other text. Rows with equal
// keys keep their order, so a grid built in ID order shows ties in ID order either way.
#pragma once

#include <vector>

#include "updata/up_file.h"
#include "upfile/grid_columns.h"

namespace tarnwick {

enum SortDirection : int { kSortAscending = 1, kSortDescending = 2 };

// `ids` are the IDs of the grid's rows in their present order; all must be below file.count.
void SortGridRows(std::vector<int>& ids, const UPFile& file, int col, int direction,
                  const ColumnSelectors& selectors);

}  // namespace tarnwick
