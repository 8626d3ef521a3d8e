// SPDX-License-Identifier: GPL-3.0-or-later
#include "grid/sort_key.h"

#include <algorithm>

#include "grid/ansi_fold.h"
#include "grid/number_text.h"

namespace tarnwick {

SortKey NumberSortKey(double number) {
  SortKey key;
  key.number = number;
  return key;
}

SortKey TextSortKey(std::string_view shown) {
  if (const auto number = ParseNumberText(shown)) return NumberSortKey(*number);
  SortKey key;
  key.isText = true;
  key.text = AnsiUpper(shown);
  return key;
}

namespace {

bool Before(const KeyedRow& a, const KeyedRow& b, bool descending) {
  if (a.key < b.key) return !descending;
  if (b.key < a.key) return descending;
  return a.id < b.id;
}

}  // namespace

void SortKeyedRows(std::vector<KeyedRow>& rows, int direction) {
  const bool descending = direction == kSortDescending;
  std::sort(rows.begin(), rows.end(),
            [descending](const KeyedRow& a, const KeyedRow& b) { return Before(a, b, descending); });
}

std::vector<std::size_t> SortedPositions(const std::vector<KeyedRow>& rows, int direction) {
  const bool descending = direction == kSortDescending;
  std::vector<std::size_t> positions(rows.size());
  for (std::size_t i = 0; i < positions.size(); ++i) positions[i] = i;
  std::sort(positions.begin(), positions.end(), [&rows, descending](std::size_t a, std::size_t b) {
    return Before(rows[a], rows[b], descending);
  });
  return positions;
}

}  // namespace tarnwick
