// SPDX-License-Identifier: GPL-3.0-or-later
// The sort keys of the browser grids. A cell sorts by its shown text: texts that are numbers
// compare as numbers, other texts letter by letter without regard to case. To keep the order
// total (a sort must never see a < b < c < a), every number sorts before every other text. Rows
// with equal keys always follow their IDs, whatever order the rows were in before, so the same
// filter and sort show the same list however the user got there.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarnwick {

enum SortDirection : int { kSortAscending = 1, kSortDescending = 2 };

struct SortKey {
  bool isText = false;
  double number = 0;
  std::string text;  // folded to capitals (8-bit text)

  friend bool operator<(const SortKey& a, const SortKey& b) {
    if (a.isText != b.isText) return !a.isText;
    return a.isText ? a.text < b.text : a.number < b.number;
  }
};

SortKey NumberSortKey(double number);
// The key of a shown 8-bit text: a number when the text is one, else the text folded.
SortKey TextSortKey(std::string_view shown);

struct KeyedRow {
  SortKey key;
  int id;
};

// Sorts by key in `direction`; equal keys in ascending ID order.
void SortKeyedRows(std::vector<KeyedRow>& rows, int direction);
// The same order as positions in `rows`, which is left as it is.
std::vector<std::size_t> SortedPositions(const std::vector<KeyedRow>& rows, int direction);

}  // namespace tarnwick
