// SPDX-License-Identifier: GPL-3.0-or-later
#include "disklink/disk_link_list.h"

#include <algorithm>
#include <cstdlib>

#include "disklink/disk_link_edits.h"
#include "grid/grid_state.h"
#include "grid/sort_key.h"
#include "updata/disk_link.h"

namespace tarnwick {
namespace {

SortKey KeyOf(const DLRow& row, int column) {
  switch (column) {
    case 0: return NumberSortKey(row.id);
    case 1: return TextSortKey(row.code.toStdString());
    default: return TextSortKey(row.field);
  }
}

}  // namespace

std::vector<DLRow> ListDiskLinks(const UPSHeader& header, const QString& codeFilter,
                                 const QString& nameFilter) {
  const QString codeKey = codeFilter.toUpper();
  const QString nameKey = nameFilter.toUpper();
  std::vector<DLRow> rows;
  rows.reserve(kDiskLinkCount);
  for (int i = 0; i < kDiskLinkCount; ++i) {
    std::string field = GetDiskLinkName(header, i);
    DLRow row{i, QString::fromStdString(NumToDLBnk(i)), DiskLinkShown(field), std::move(field)};
    if (!codeKey.isEmpty() && !row.code.toUpper().contains(codeKey)) continue;
    if (!nameKey.isEmpty() && !row.name.toUpper().contains(nameKey)) continue;
    rows.push_back(std::move(row));
  }
  return rows;
}

void SortDiskLinkRows(std::vector<DLRow>& rows, int column, int order) {
  std::vector<KeyedRow> keyed;
  keyed.reserve(rows.size());
  for (const DLRow& row : rows) keyed.push_back({KeyOf(row, column), row.id});
  std::vector<DLRow> sorted;
  sorted.reserve(rows.size());
  for (std::size_t position : SortedPositions(keyed, order)) sorted.push_back(std::move(rows[position]));
  rows = std::move(sorted);
}

void SortByHeader(DLSelection& selection, int column) {
  GridState sort;
  sort.SortCol = selection.sortColumn;
  sort.SortDir = selection.sortOrder;
  ClickSortHeader(sort, column);
  selection.sortColumn = sort.SortCol;
  selection.sortOrder = sort.SortDir;
}

void ReadSelection(DLSelection& selection, const std::vector<DLRow>& rows, int start, int end) {
  const int size = static_cast<int>(rows.size());
  if (rows.empty() || start < 0 || end < 0 || start >= size || end >= size) {
    selection.first = selection.last = selection.selID = -1;
    selection.count = 0;
    return;
  }
  selection.first = std::min(start, end);
  selection.last = std::max(start, end);
  selection.count = std::abs(end - start) + 1;
  selection.selID = rows[static_cast<std::size_t>(selection.first)].id;
}

}  // namespace tarnwick
