// SPDX-License-Identifier: GPL-3.0-or-later
// The shared grid rules: ties in ID order whatever the earlier order, the filter rules of each
// kind, and the sort cycle of the header buttons.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

#include "grid/filter_rules.h"
#include "grid/grid_state.h"
#include "grid/sort_key.h"

namespace tarnwick {
namespace {

std::vector<int> SortedIDs(std::vector<KeyedRow> rows, int direction) {
  SortKeyedRows(rows, direction);
  std::vector<int> ids;
  for (const KeyedRow& row : rows) ids.push_back(row.id);
  return ids;
}

TEST(SortKeys, TiesFollowTheIDsWhateverTheOrderBefore) {
  // Keys 0, 1, 2 repeated: IDs 0..29, with the rows handed over in several shuffled orders, as
  // after earlier sorts by other columns.
  std::vector<KeyedRow> rows;
  for (int id = 0; id < 30; ++id) rows.push_back({NumberSortKey(id % 3), id});
  std::vector<int> ascending, descending;
  for (int key = 0; key < 3; ++key)
    for (int id = key; id < 30; id += 3) ascending.push_back(id);
  for (int key = 2; key >= 0; --key)
    for (int id = key; id < 30; id += 3) descending.push_back(id);

  std::mt19937 random(7);
  for (int round = 0; round < 5; ++round) {
    std::shuffle(rows.begin(), rows.end(), random);
    EXPECT_EQ(SortedIDs(rows, kSortAscending), ascending) << round;
    EXPECT_EQ(SortedIDs(rows, kSortDescending), descending) << round;
  }
}

// The one sort rule of every grid: numbers first by value, texts without case, ties in ID order.
// Only plain decimal numbers are numbers: what strtod would also take is text.
TEST(SortKeys, NumbersFirstByValueThenTextsWithoutCase) {
  struct Case {
    const char* shown;
    bool number;
  };
  const Case cases[] = {{"10", true},    {" 9", true},     {"-3.5", true},  {"+2", true},   {"0.", true},
                        {"nan", false},  {"inf", false},   {"1e1", false},  {"0x1F", false}, {".", false},
                        {"1.2.3", false}, {"", false},      {"piano", false}, {"PIANO", false}, {"+Bass", false}};
  std::vector<KeyedRow> rows;
  for (const Case& c : cases) {
    const SortKey key = TextSortKey(c.shown);
    EXPECT_EQ(!key.isText, c.number) << '"' << c.shown << '"';
    rows.push_back({key, static_cast<int>(rows.size())});
  }
  // -3.5, 0., +2, 9, 10; then "", "+Bass", ".", "0x1F", "1.2.3", "1e1", "inf", "nan", piano/PIANO
  const std::vector<int> ascending{2, 4, 3, 1, 0, 11, 14, 9, 8, 10, 7, 6, 5, 12, 13};
  EXPECT_EQ(SortedIDs(rows, kSortAscending), ascending);
  EXPECT_EQ(SortedIDs(rows, kSortDescending), (std::vector<int>{12, 13, 5, 6, 7, 10, 8, 9, 14, 11, 0, 1, 3, 4, 2}));
}

TEST(SortCycle, SameHeaderTogglesAnotherStartsAscending) {
  GridState state;
  ClickSortHeader(state, 0);
  EXPECT_EQ(state.SortDir, kSortDescending);
  ClickSortHeader(state, 0);
  EXPECT_EQ(state.SortDir, kSortAscending);
  ClickSortHeader(state, 0);
  ClickSortHeader(state, 4);
  EXPECT_EQ(state.SortCol, 4);
  EXPECT_EQ(state.SortDir, kSortAscending);
  EXPECT_EQ(HeaderMarkOf(state, 4), HeaderMark::Ascending);
  EXPECT_EQ(HeaderMarkOf(state, 0), HeaderMark::Normal);
}

TEST(FilterRules, EachKindJudgesTidiesAndSteps) {
  const FilterRules text = TextFilter(QStringLiteral("t"), QStringLiteral("Tone [Filter]"));
  const FilterRules number = NumberFilter(QStringLiteral("n"), {}, 1, 128);
  const FilterRules digit = OneDigitFilter(QStringLiteral("d"), {}, 1, 3);
  for (const FilterRules* rules : {&text, &number, &digit}) {
    EXPECT_EQ(JudgeTypedCharacter(*rules, u'\r'), TypedKey::Refuse);
    EXPECT_EQ(JudgeTypedCharacter(*rules, u'\x1b'), TypedKey::Refuse);
    EXPECT_EQ(JudgeTypedCharacter(*rules, u'\b'), TypedKey::Accept);
  }
  EXPECT_EQ(JudgeTypedCharacter(text, u'x'), TypedKey::Accept);
  EXPECT_EQ(JudgeTypedCharacter(number, u'x'), TypedKey::Refuse);
  EXPECT_EQ(JudgeTypedCharacter(number, u'0'), TypedKey::Accept);
  EXPECT_EQ(JudgeTypedCharacter(digit, u'0'), TypedKey::Refuse);
  EXPECT_EQ(JudgeTypedCharacter(digit, u'4'), TypedKey::Refuse);
  EXPECT_EQ(JudgeTypedCharacter(digit, u'3'), TypedKey::AcceptAfterEmptying);
  EXPECT_EQ(JudgeTypedCharacter(digit, QChar(0x0663)), TypedKey::Refuse);  // an Arabic-Indic 3

  EXPECT_EQ(HandleFilterChange(number, QStringLiteral("12.7")).text, QStringLiteral("12"));
  EXPECT_TRUE(HandleFilterChange(number, QStringLiteral("12x")).text.isEmpty());
  EXPECT_TRUE(HandleFilterChange(number, QStringLiteral("129")).text.isEmpty());
  EXPECT_TRUE(HandleFilterChange(number, QStringLiteral("0")).refresh);
  EXPECT_EQ(HandleFilterChange(text, QStringLiteral(" ab")).text, QStringLiteral(" ab"));

  EXPECT_EQ(StepFilterUp(number, {}, false), QStringLiteral("1"));
  EXPECT_EQ(StepFilterUp(number, QStringLiteral("128"), false), QString());
  EXPECT_EQ(StepFilterDown(number, {}, false), QStringLiteral("128"));
  EXPECT_EQ(StepFilterDown(number, QStringLiteral("1"), false), QString());
  EXPECT_EQ(StepFilterUp(number, QStringLiteral("5"), true), QStringLiteral("128"));
  EXPECT_EQ(StepFilterDown(digit, QStringLiteral("3"), true), QStringLiteral("1"));
  EXPECT_EQ(StepFilterUp(text, QStringLiteral("ab"), true), QStringLiteral("ab"));
}

TEST(FilterRules, ABoxOwnJudgeAndTidyTakePrecedence) {
  FilterRules rules = TextFilter(QStringLiteral("t"), {});
  rules.judge = [](QChar c) { return c == u'x' ? TypedKey::Refuse : TypedKey::Accept; };
  rules.tidy = [](const QString& t) { return FilterChange{t.trimmed(), false}; };
  EXPECT_EQ(JudgeTypedCharacter(rules, u'x'), TypedKey::Refuse);
  const FilterChange change = HandleFilterChange(rules, QStringLiteral(" a "));
  EXPECT_EQ(change.text, QStringLiteral("a"));
  EXPECT_FALSE(change.refresh);
}

}  // namespace
}  // namespace tarnwick
