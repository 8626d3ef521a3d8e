// SPDX-License-Identifier: GPL-3.0-or-later
// Sorting the rows of a UP grid by one column, with the shared sort keys of grid/sort_key.h.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "grid/sort_key.h"
#include "updata/up_file.h"
#include "upfile/grid_columns.h"

namespace tarnwick {

// The sort keys of one text column for every record of a file, kept from one sort to the next.
// A record's key is made again only when its cell text has changed (an edit, an undo, a transfer
// that put another record at its ID), so sorting 65535 UPs again costs the sort itself. Number
// columns need no keys kept: their numbers are read straight from the records.
class GridSortKeys {
 public:
  // Sorts `ids` (IDs below file.count, in their present order) by `col` in `direction`; equal
  // keys in ascending ID order.
  void sort(std::vector<int>& ids, const UPFile& file, int col, int direction, const ColumnSelectors& selectors);

  // How many keys the last sort made anew (for tests and figures).
  int keysMade() const { return keysMade_; }

 private:
  struct Key {
    bool known = false;
    bool isText = false;
    double number = 0;
    std::uint64_t head = 0;  // the first 8 folded bytes, so most comparisons are one integer's
    std::string shown;       // the cell text the key was made from
    std::string text;        // folded, for keys whose heads are equal
  };
  void update(const UPFile& file, const std::vector<int>& ids, int col);
  bool before(int a, int b, bool descending) const;

  int column_ = -1;
  std::vector<Key> keys_;  // by ID
  int keysMade_ = 0;
};

// The same order without keeping keys (for one-off sorts).
void SortGridRows(std::vector<int>& ids, const UPFile& file, int col, int direction,
                  const ColumnSelectors& selectors);

}  // namespace tarnwick
