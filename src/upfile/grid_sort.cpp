// SPDX-License-Identifier: GPL-3.0-or-later
#include "upfile/grid_sort.h"

#include <algorithm>
#include <cstring>

#include "upfile/grid_cells.h"

namespace tarnwick {
namespace {

// Big-endian, zero bytes beyond the end: integer order is the texts' byte order, as far as the
// first 8 bytes go.
std::uint64_t HeadOf(const std::string& text) {
  std::uint64_t head = 0;
  for (std::size_t i = 0; i < 8; ++i) {
    head = (head << 8) | (i < text.size() ? static_cast<unsigned char>(text[i]) : 0U);
  }
  return head;
}

// Integers in the order of the doubles they come from (no NaN here: numbers are decimal texts).
std::uint64_t OrderedBits(double number) {
  if (number == 0) number = 0;  // -0 and 0 are one number
  std::uint64_t bits = 0;
  std::memcpy(&bits, &number, sizeof bits);
  return (bits & (std::uint64_t{1} << 63)) != 0 ? ~bits : bits | (std::uint64_t{1} << 63);
}

// A row as the sort moves it: small and whole, so the sort stays in the cache. Numbers come
// before texts; equal text heads are settled by the kept keys.
struct SortRow {
  bool isText;
  std::uint64_t value;  // OrderedBits of the number, or the text's head
  int id;
};

SortKey KeyOf(const UPRecord& up, int id, int col, const ColumnSelectors& selectors) {
  if (!IsTextColumn(col)) return NumberSortKey(CellNumber(up, id, col, selectors));
  return TextSortKey(CellText(up, id, col));
}

}  // namespace

void GridSortKeys::update(const UPFile& file, const std::vector<int>& ids, int col) {
  if (col != column_) {
    keys_.clear();
    column_ = col;
  }
  if (keys_.size() < static_cast<std::size_t>(file.count)) keys_.resize(static_cast<std::size_t>(file.count));
  keysMade_ = 0;
  for (const int id : ids) {
    Key& key = keys_[static_cast<std::size_t>(id)];
    std::string shown = CellText(file.up(id), id, col);
    if (key.known && shown == key.shown) continue;
    const SortKey made = TextSortKey(shown);
    key = Key{true, made.isText, made.number, HeadOf(made.text), std::move(shown), made.text};
    ++keysMade_;
  }
}

bool GridSortKeys::before(int a, int b, bool descending) const {
  const int order = keys_[static_cast<std::size_t>(a)].text.compare(keys_[static_cast<std::size_t>(b)].text);
  if (order != 0) return descending ? order > 0 : order < 0;
  return a < b;
}

void GridSortKeys::sort(std::vector<int>& ids, const UPFile& file, int col, int direction,
                        const ColumnSelectors& selectors) {
  if (!IsTextColumn(col)) {
    SortGridRows(ids, file, col, direction, selectors);
    return;
  }
  update(file, ids, col);
  std::vector<SortRow> rows;
  rows.reserve(ids.size());
  for (const int id : ids) {
    const Key& key = keys_[static_cast<std::size_t>(id)];
    rows.push_back({key.isText, key.isText ? key.head : OrderedBits(key.number), id});
  }
  const bool descending = direction == kSortDescending;
  std::sort(rows.begin(), rows.end(), [this, descending](const SortRow& a, const SortRow& b) {
    if (a.isText != b.isText) return descending ? a.isText : b.isText;
    if (a.value != b.value) return descending ? a.value > b.value : a.value < b.value;
    if (a.isText) return before(a.id, b.id, descending);
    return a.id < b.id;
  });
  for (std::size_t i = 0; i < rows.size(); ++i) ids[i] = rows[i].id;
}

void SortGridRows(std::vector<int>& ids, const UPFile& file, int col, int direction,
                  const ColumnSelectors& selectors) {
  std::vector<KeyedRow> rows;
  rows.reserve(ids.size());
  for (int id : ids) rows.push_back({KeyOf(file.up(id), id, col, selectors), id});
  SortKeyedRows(rows, direction);
  for (std::size_t i = 0; i < rows.size(); ++i) ids[i] = rows[i].id;
}

}  // namespace tarnwick
