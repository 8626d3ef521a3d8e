// SPDX-License-Identifier: GPL-3.0-or-later
#include "disklink/disk_link_list.h"

#include <algorithm>
#include <cstdlib>

#include "disklink/disk_link_edits.h"
#include "updata/disk_link.h"

namespace tarnwick {
namespace {

QString CellText(const DLRow& row, int column) {
  switch (column) {
    case 0: return QString::number(row.id);
    case 1: return row.code;
    default: return row.name;
  }
}

// Negative, zero or positive as a is before, equal to or after b.
int CompareCells(const QString& a, const QString& b) {
  bool aNumber = false;
  bool bNumber = false;
  const double x = a.trimmed().toDouble(&aNumber);
  const double y = b.trimmed().toDouble(&bNumber);
  if (aNumber && bNumber) return x < y ? -1 : (x > y ? 1 : 0);
  return a.compare(b, Qt::CaseInsensitive);
}

}  // namespace

std::vector<DLRow> ListDiskLinks(const UPSHeader& header, const QString& codeFilter,
                                 const QString& nameFilter) {
  const QString codeKey = codeFilter.toUpper();
  const QString nameKey = nameFilter.toUpper();
  std::vector<DLRow> rows;
  rows.reserve(kDiskLinkCount);
  for (int i = 0; i < kDiskLinkCount; ++i) {
    DLRow row{i, QString::fromStdString(NumToDLBnk(i)), DiskLinkShown(GetDiskLinkName(header, i))};
    if (!codeKey.isEmpty() && !row.code.toUpper().contains(codeKey)) continue;
    if (!nameKey.isEmpty() && !row.name.toUpper().contains(nameKey)) continue;
    rows.push_back(std::move(row));
  }
  return rows;
}

void SortDiskLinkRows(std::vector<DLRow>& rows, int column, int order) {
  const bool ascending = order == 1;
  std::stable_sort(rows.begin(), rows.end(), [column, ascending](const DLRow& a, const DLRow& b) {
    const int cmp = column == 0 ? a.id - b.id : CompareCells(CellText(a, column), CellText(b, column));
    if (cmp != 0) return ascending ? cmp < 0 : cmp > 0;
    return a.id < b.id;
  });
}

void SortByHeader(DLSelection& selection, int column) {
  if (column != selection.sortColumn) {
    selection.sortOrder = 1;
  } else {
    selection.sortOrder = selection.sortOrder == 2 ? 1 : 2;
  }
  selection.sortColumn = static_cast<short>(column);
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
