// SPDX-License-Identifier: GPL-3.0-or-later
// A table to be printed on pages: titled columns and rows of texts, with the title (the file's
// name) and the date at the top of every page and "Page n of m" at the foot. Any view prints its
// own rows through it, with the columns it needs.
#pragma once

#include <string>
#include <vector>

namespace tarnwick {

struct PageColumn {
  std::string title;
  bool alignRight = false;  // numbers
  bool widest = false;      // takes the room left over; the one column a dark stage must read
};

struct PageTable {
  std::string title;  // UTF-8, as all texts here
  std::string date;
  std::vector<PageColumn> columns;
  std::vector<std::vector<std::string>> rows;  // one text per column
};

enum class PaperKind { A4, Letter };
// Normal prints at 10.5 pt; Large at 16 pt, with the widest column in bold.
enum class PrintSize { Normal, Large };

}  // namespace tarnwick
