// SPDX-License-Identifier: GPL-3.0-or-later
// The rows one side of the Disk Link view lists: every entry of a header that passes the side's
// two filters (location code, name), sorted by a column, and the side's selection read-out.
#pragma once

#include <QString>

#include <string>
#include <vector>

#include "updata/up_file.h"

namespace tarnwick {

inline constexpr int kDLColumnCount = 3;  // ID, location code, name

struct DLRow {
  int id = 0;
  QString code;  // "C31".."D87"
  QString name;  // the 8 stored characters, untrimmed
  std::string field;  // the same 8 bytes as stored
};

// The selection of one side. Sort order: 1 ascending, 2 descending.
struct DLSelection {
  int first = -1;
  int last = -1;
  int count = 0;
  int selID = -1;
  short sortColumn = 0;
  short sortOrder = 1;
};

// Entries whose upper-cased code contains the upper-cased `codeFilter` and whose upper-cased
// name contains the upper-cased `nameFilter`; an empty filter passes everything.
std::vector<DLRow> ListDiskLinks(const UPSHeader& header, const QString& codeFilter,
                                 const QString& nameFilter);

// Sorts by `column` in `order` with the grids' sort keys (grid/sort_key.h).
void SortDiskLinkRows(std::vector<DLRow>& rows, int column, int order);

// A left press on header `column`: the grids' sort cycle (grid/grid_state.h).
void SortByHeader(DLSelection& selection, int column);

// The selection read-out for rows `start`..`end` (either order) of `rows`; empty rows give none.
void ReadSelection(DLSelection& selection, const std::vector<DLRow>& rows, int start, int end);

}  // namespace tarnwick
