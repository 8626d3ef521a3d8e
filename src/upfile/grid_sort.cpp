// SPDX-License-Identifier: GPL-3.0-or-later
#include "upfile/grid_sort.h"

#include "upfile/grid_cells.h"

namespace tarnwick {
namespace {

SortKey KeyOf(const UPRecord& up, int id, int col, const ColumnSelectors& selectors) {
  if (!IsTextColumn(col)) return NumberSortKey(CellNumber(up, id, col, selectors));
  return TextSortKey(CellText(up, id, col));
}

}  // namespace

void SortGridRows(std::vector<int>& ids, const UPFile& file, int col, int direction,
                  const ColumnSelectors& selectors) {
  std::vector<KeyedRow> rows;
  rows.reserve(ids.size());
  for (int id : ids) rows.push_back({KeyOf(file.up(id), id, col, selectors), id});
  SortKeyedRows(rows, direction);
  for (std::size_t i = 0; i < rows.size(); ++i) ids[i] = rows[i].id;
}

}  // namespace tarnwick
