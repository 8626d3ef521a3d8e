// SPDX-License-Identifier: GPL-3.0-or-later
// The grid without widgets: which rows the filter boxes keep, the order of the rows and what
// the filter boxes accept.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <tuple>

#include "grid/ansi_fold.h"
#include "upfile/filter_box_rules.h"
#include "upfile/grid_cells.h"
#include "upfile/grid_filter.h"
#include "upfile/grid_sort.h"
#include "upfile/qt_printers.h"
#include "upfile/up_samples.h"

namespace tarnwick {
namespace {

using Rows = std::vector<int>;

UPFile FileOfNames(const std::vector<std::string>& names) {
  UPFile file;
  SetUPCount(file, static_cast<int>(names.size()));
  for (std::size_t i = 0; i < names.size(); ++i)
    file.up(static_cast<int>(i)) = testing::SampleUP(static_cast<int>(i), names[i]);
  return file;
}

Rows Filtered(const UPFile& file, int box, const QString& text, ColumnSelectors selectors = {}) {
  FilterTexts texts;
  texts[box] = text;
  return BuildGridRows(file, GridFilter(texts), selectors, kColID, kSortAscending);
}

TEST(GridFilter, EachKindOfBoxMatchesTheCellAsShown) {
  UPFile file = FileOfNames({"CAB", "ab12", "  xaB  ", "A B", "caf\xE9", "CAF\xC9", "cafe"});
  // Text boxes: anywhere, in any case, on the trimmed name; Windows-1252 letters fold too.
  EXPECT_EQ(Filtered(file, kColName, QStringLiteral("ab")), (Rows{0, 1, 2}));
  EXPECT_EQ(Filtered(file, kColName, QStringLiteral(" ")), Rows{3});
  EXPECT_EQ(Filtered(file, kColName, QStringLiteral("é")), (Rows{4, 5}));
  EXPECT_EQ(Filtered(file, kColName, QStringLiteral("caf\u4E00")), Rows{});  // no record can hold it
  EXPECT_EQ(AnsiUpper(static_cast<unsigned char>(0xFF)), 0x9F);               // ÿ -> Ÿ

  // Number boxes: the number shown, for the part or button the column selectors name.
  SetUPTempo(file.up(1), 250);
  file.up(2)[field::PartTonePC.offset + 3 * 4] = 127;  // LW2 program byte, shown as 128
  file.up(2)[field::Pad2Button.offset] = 7;
  EXPECT_EQ(Filtered(file, kColTempo, QStringLiteral("250")), Rows{1});
  EXPECT_EQ(Filtered(file, kColToneProgram, QStringLiteral("128"), {0, 0, 4}), Rows{2});
  EXPECT_EQ(Filtered(file, kColToneProgram, QStringLiteral("128")), Rows{});
  EXPECT_EQ(Filtered(file, kColPad, QStringLiteral("7"), {1, 0, 0}), Rows{2});
  EXPECT_EQ(Filtered(file, kColPad, QStringLiteral("7")), Rows{});

  FilterTexts both;
  both[kColName] = QStringLiteral("ab");
  both[kColTempo] = QStringLiteral("120");
  EXPECT_EQ(BuildGridRows(file, GridFilter(both), {}, kColID, kSortAscending), (Rows{0, 2}));

  const UPFile big = testing::SampleFile(200);  // the User Program column is empty from ID 192 on
  EXPECT_EQ(Filtered(big, kColUserProgram, QStringLiteral("c88")), Rows{191});
  EXPECT_EQ(Filtered(big, kColUserProgram, QStringLiteral("a1")).size(), 8u);
}

Rows SortedBy(const UPFile& file, int col, int direction) {
  Rows ids(static_cast<std::size_t>(file.count));
  std::iota(ids.begin(), ids.end(), 0);
  SortGridRows(ids, file, col, direction, {});
  return ids;
}

// The sort rule itself is the grids' one (tests/grid); here, that the UP columns feed it.
TEST(GridSort, NumberColumnsSortByTheirValues) {
  UPFile file = FileOfNames({"a", "b", "c", "d", "e", "f", "g"});
  const int tempos[] = {120, 20, 250, 99, 120, 120, 120};
  for (int id = 0; id < 7; ++id) SetUPTempo(file.up(id), tempos[id]);
  EXPECT_EQ(SortedBy(file, kColTempo, kSortAscending), (Rows{1, 3, 0, 4, 5, 6, 2}));
}

// The kept keys are made again only for records whose cell changed.
TEST(GridSort, KeptKeysAreMadeAgainOnlyForChangedRecords) {
  UPFile file = FileOfNames({"10", "9", "beta", "Alpha", "alpha", "-2.5", "BETA"});
  GridSortKeys keys;
  Rows ids(7);
  std::iota(ids.begin(), ids.end(), 0);
  keys.sort(ids, file, kColName, kSortAscending, {});
  EXPECT_EQ(ids, (Rows{5, 1, 0, 3, 4, 2, 6}));
  EXPECT_EQ(keys.keysMade(), 7);
  keys.sort(ids, file, kColName, kSortDescending, {});
  EXPECT_EQ(ids, (Rows{2, 6, 3, 4, 0, 1, 5}));
  EXPECT_EQ(keys.keysMade(), 0);
  SetUPText8(file.up(2), kUPNameOffset, "1       ");
  keys.sort(ids, file, kColName, kSortAscending, {});
  EXPECT_EQ(keys.keysMade(), 1);
  EXPECT_EQ(ids, (Rows{5, 2, 1, 0, 3, 4, 6}));
  keys.sort(ids, file, kColStyle, kSortAscending, {});
  EXPECT_EQ(keys.keysMade(), 7);  // another column: its own keys
}

// Random names mixing digits, letters and signs, sorted with kept keys (which compare the first
// 8 bytes as one integer): the same order as a one-off sort with the grids' sort rule.
TEST(GridSort, OrderIsTotalOnMixedNumbersAndTexts) {
  std::mt19937 random(7);
  const std::string alphabet = "019.-aAbZ ";
  std::vector<std::string> names;
  for (int i = 0; i < 3000; ++i) {
    std::string name;
    for (int c = 1 + static_cast<int>(random() % 5); c > 0; --c) name += alphabet[random() % alphabet.size()];
    names.push_back(name);
  }
  const UPFile file = FileOfNames(names);
  Rows ids = SortedBy(file, kColID, kSortAscending);
  GridSortKeys keys;
  keys.sort(ids, file, kColName, kSortAscending, {});
  ASSERT_EQ(ids, SortedBy(file, kColName, kSortAscending));
  keys.sort(ids, file, kColName, kSortDescending, {});
  ASSERT_EQ(ids, SortedBy(file, kColName, kSortDescending));
}

TEST(FilterBoxRules, TidyingAndStepping) {
  // A number box keeps the integer part of a value within its limits; a short tempo waits.
  const std::tuple<int, const char*, const char*, bool> changes[] = {
      {kColToneProgram, "12.7", "12", true}, {kColToneProgram, "0", "", true}, {kColToneMSB, "0", "0", true},
      {kColEFX, "90", "", true}, {kTempoFilterBox, "12", "12", false}, {kTempoFilterBox, "251", "", true}};
  for (const auto& [box, text, kept, refresh] : changes) {
    const FilterChange change = HandleFilterChange(box, QString::fromLatin1(text));
    EXPECT_EQ(change.text, QString::fromLatin1(kept)) << box << ' ' << text;
    EXPECT_EQ(change.refresh, refresh) << box << ' ' << text;
  }
  // Stepping runs empty -> minimum -> maximum -> empty; a short tempo below the minimum stays
  // as it is when stepped down.
  EXPECT_EQ(StepFilterUp(kTempoFilterBox, {}, false), QStringLiteral("20"));
  EXPECT_EQ(StepFilterUp(kTempoFilterBox, QStringLiteral("12"), false), QStringLiteral("13"));
  EXPECT_EQ(StepFilterDown(kTempoFilterBox, QStringLiteral("12"), false), QStringLiteral("12"));
  EXPECT_EQ(StepFilterDown(kColToneProgram, QStringLiteral("1"), false), QString());
  EXPECT_EQ(StepFilterDown(kColToneProgram, QStringLiteral("50"), true), QStringLiteral("1"));
}

}  // namespace
}  // namespace tarnwick
