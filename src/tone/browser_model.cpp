// SPDX-License-Identifier: GPL-3.0-or-later
#include "tone/browser_model.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <optional>
#include <string_view>

#include "grid/ansi_fold.h"
#include "grid/number_text.h"
#include "grid/sort_key.h"
#include "updata/ansi_text.h"

namespace tarnwick {
namespace {

// A number filter's value; an empty box gives nothing, and so does a text that is no number
// (the box never keeps one) or lies beyond any byte, which then matches no entry.
struct NumberFilterValue {
  bool active = false;
  std::optional<int> value;
};

NumberFilterValue ReadNumberFilter(const QString& text) {
  if (text.isEmpty()) return {};
  const auto number = ParseNumberText(text);
  if (!number || std::abs(*number) > INT_MAX) return {true, std::nullopt};
  return {true, static_cast<int>(std::floor(*number))};
}

bool Passes(const NumberFilterValue& filter, int value) {
  return !filter.active || (filter.value && *filter.value == value);
}

SortKey KeyOf(const BrowserRow& row, int col) {
  switch (col) {
    case kBrowserColMSB:
      return NumberSortKey(row.msb);
    case kBrowserColLSB:
      return NumberSortKey(row.lsb);
    case kBrowserColProgram:
      return NumberSortKey(row.program);
    case kBrowserColName:
      return TextSortKey(row.name);
    default:
      return NumberSortKey(row.entry);
  }
}

}  // namespace

std::vector<BrowserRow> BuildBrowserRows(const NameTables& tables, bool drumSets, const BrowserFilterTexts& filters,
                                         int markPos, bool showPlus) {
  const std::vector<ToneEntry>& table = drumSets ? tables.drumSets : tables.tones;
  const NumberFilterValue msb = ReadNumberFilter(filters[1]);
  const NumberFilterValue lsb = ReadNumberFilter(filters[2]);
  const NumberFilterValue program = ReadNumberFilter(filters[3]);
  const bool nameActive = !filters[4].isEmpty();
  const std::optional<std::string> nameFilter = FoldedAnsi(filters[4]);

  std::vector<BrowserRow> rows;
  rows.reserve(table.size());
  for (std::size_t i = 0; i < table.size(); ++i) {
    const ToneEntry& entry = table[i];
    const int index = static_cast<int>(i);
    // The table's unused slots (no name, bank 0/0/0) are no tones: they are never listed.
    if (entry.name.find_first_not_of(std::string_view(" \0", 2)) == std::string::npos) continue;
    if (!Passes(msb, entry.msb) || !Passes(lsb, entry.lsb) || !Passes(program, entry.program)) continue;
    std::string name = drumSets ? DrumSetNameAt(tables, index, markPos) : ToneNameAt(tables, index, markPos);
    if (nameActive && (!nameFilter || AnsiUpper(name).find(*nameFilter) == std::string::npos)) continue;
    if (!showPlus && !name.empty() && name.front() == '+') continue;
    BrowserRow row{index, entry.msb, entry.lsb, entry.program, std::move(name), {}};
    row.shownName = QString::fromStdString(AnsiToUtf8(row.name));
    rows.push_back(std::move(row));
  }
  return rows;
}

void SortBrowserRows(std::vector<BrowserRow>& rows, int col, int order) {
  std::vector<KeyedRow> keyed;
  keyed.reserve(rows.size());
  for (const BrowserRow& row : rows) keyed.push_back({KeyOf(row, col), row.entry});
  std::vector<BrowserRow> sorted;
  sorted.reserve(rows.size());
  for (std::size_t position : SortedPositions(keyed, order)) sorted.push_back(std::move(rows[position]));
  rows = std::move(sorted);
}

BrowserModel::BrowserModel(const NameTables& tables, bool drumSets, QObject* parent)
    : QAbstractTableModel(parent), tables_(tables), drumSets_(drumSets) {
  alignments_.fill(Qt::AlignRight);
  alignments_[kBrowserColName] = Qt::AlignLeft;
}

void BrowserModel::fill(const BrowserFilterTexts& filters, int markPos, bool showPlus, int col, int order) {
  std::vector<BrowserRow> rows = BuildBrowserRows(tables_, drumSets_, filters, markPos, showPlus);
  SortBrowserRows(rows, col, order);
  beginResetModel();
  rows_ = std::move(rows);
  endResetModel();
}

void BrowserModel::sortRows(int col, int order) {
  beginResetModel();
  SortBrowserRows(rows_, col, order);
  endResetModel();
}

int BrowserModel::tableSize() const {
  return static_cast<int>(drumSets_ ? tables_.drumSets.size() : tables_.tones.size());
}

int BrowserModel::rowOfEntry(int entry) const {
  const auto found = std::find_if(rows_.begin(), rows_.end(), [entry](const BrowserRow& r) { return r.entry == entry; });
  return found == rows_.end() ? -1 : static_cast<int>(found - rows_.begin());
}

void BrowserModel::setAlignment(int col, Qt::Alignment alignment) {
  alignments_[static_cast<std::size_t>(col)] = alignment;
  if (!rows_.empty()) emit dataChanged(index(0, col), index(rowCount() - 1, col), {Qt::TextAlignmentRole});
}

int BrowserModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int BrowserModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kBrowserColumnCount; }

QVariant BrowserModel::data(const QModelIndex& index, int role) const {
  if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return {};
  const BrowserRow& row = rowAt(index.row());
  if (role == Qt::TextAlignmentRole) return QVariant::fromValue(alignment(index.column()) | Qt::AlignVCenter);
  if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) return {};
  switch (index.column()) {
    case kBrowserColID:
      return QString::number(row.entry);
    case kBrowserColMSB:
      return QString::number(row.msb);
    case kBrowserColLSB:
      return QString::number(row.lsb);
    case kBrowserColProgram:
      return QString::number(row.program);
    default:
      return row.shownName;
  }
}

QVariant BrowserModel::headerData(int section, Qt::Orientation orientation, int role) const {
  static const char* const kTitles[] = {"ID", "Control Change 0", "Control Change 32", "Program Change", nullptr};
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= kBrowserColumnCount) {
    return QAbstractTableModel::headerData(section, orientation, role);
  }
  if (section == kBrowserColName) return drumSets_ ? QStringLiteral("Drum Set") : QStringLiteral("Tone");
  return QString::fromLatin1(kTitles[section]);
}

}  // namespace tarnwick
