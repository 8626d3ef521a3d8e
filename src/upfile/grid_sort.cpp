#include "upfile/grid_sort.h"

#include <algorithm>
#include <cstdint>

#include "upfile/ansi_fold.h"
#include "upfile/grid_cells.h"
#include "upfile/number_text.h"

namespace tarnwick {
namespace {

struct SortKey {
  bool isText = false;
  double number = 0;
  std::uint64_t text = 0;  // up to 8 folded bytes, first byte highest, zero-padded

  friend bool operator<(const SortKey& a, const SortKey& b) {
    if (a.isText != b.isText) return !a.isText;
    return a.isText ? a.text < b.text : a.number < b.number;
  }
};

struct KeyedRow {
  SortKey key;
  int id;
};

std::uint64_t PackText(const std::string& folded) {
  std::uint64_t packed = 0;
  for (std::size_t i = 0; i < 8; ++i) {
    const std::uint64_t byte = i < folded.size() ? static_cast<unsigned char>(folded[i]) : 0;
    packed = (packed << 8) | byte;
  }
  return packed;
}

SortKey KeyOf(const UPRecord& up, int id, int col, const ColumnSelectors& selectors) {
  SortKey key;
  if (!IsTextColumn(col)) {
    key.number = CellNumber(up, id, col, selectors);
    return key;
  }
  const std::string text = CellText(up, id, col);
  if (const auto number = ParseNumberText(text)) {
    key.number = *number;
  } else {
    key.isText = true;
    key.text = PackText(AnsiUpper(text));
  }
  return key;
}

}  // namespace

void SortGridRows(std::vector<int>& ids, const UPFile& file, int col, int direction,
                  const ColumnSelectors& selectors) {
  std::vector<KeyedRow> rows;
  rows.reserve(ids.size());
  for (int id : ids) rows.push_back({KeyOf(file.up(id), id, col, selectors), id});

  if (direction == kSortDescending) {
    std::stable_sort(rows.begin(), rows.end(),
                     [](const KeyedRow& a, const KeyedRow& b) { return b.key < a.key; });
  } else {
    std::stable_sort(rows.begin(), rows.end(),
                     [](const KeyedRow& a, const KeyedRow& b) { return a.key < b.key; });
  }
  for (std::size_t i = 0; i < rows.size(); ++i) ids[i] = rows[i].id;
}

}  // namespace tarnwick
