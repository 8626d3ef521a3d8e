#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

#include "upfile/ansi_fold.h"
#include "upfile/grid_cells.h"
#include "upfile/grid_filter.h"
#include "upfile/grid_sort.h"
#include "upfile/number_text.h"
#include "upfile/qt_printers.h"
#include "upfile/up_samples.h"

namespace tarnwick {
namespace {

using testing::SampleUP;

UPFile FileOfNames(const std::vector<std::string>& names) {
  UPFile file;
  SetUPCount(file, static_cast<int>(names.size()));
  for (std::size_t i = 0; i < names.size(); ++i)
    file.up(static_cast<int>(i)) = SampleUP(static_cast<int>(i), names[i]);
  return file;
}

std::vector<int> Rows(const UPFile& file, int box, const QString& text, ColumnSelectors selectors = {}) {
  FilterTexts texts;
  texts[box] = text;
  return BuildGridRows(file, GridFilter(texts), selectors, kColID, kSortAscending);
}

TEST(GridFilter, TextBoxesMatchAnywhereRegardlessOfCaseOnTheShownText) {
  const UPFile file = FileOfNames({"CAB", "ab12", "  xaB  ", "A B", "none"});
  EXPECT_EQ(Rows(file, kColName, QStringLiteral("ab")), (std::vector<int>{0, 1, 2}));
  // Names are compared trimmed, as shown: a blank matches only inside a name.
  EXPECT_EQ(Rows(file, kColName, QStringLiteral(" ")), (std::vector<int>{3}));
  EXPECT_EQ(Rows(file, kColName, QStringLiteral("zz")), std::vector<int>{});
}

TEST(GridFilter, UserProgramColumnIsEmptyFromID192On) {
  const UPFile file = testing::SampleFile(200);
  EXPECT_EQ(Rows(file, kColUserProgram, QStringLiteral("c88")), std::vector<int>{191});
  EXPECT_EQ(Rows(file, kColUserProgram, QStringLiteral("a1")).size(), 8u);  // A11..A18
}

TEST(GridFilter, FoldsWindows1252LettersAndRefusesCharactersNoRecordCanHold) {
  const UPFile file = FileOfNames({std::string("caf\xE9"), std::string("CAF\xC9"), "cafe"});
  EXPECT_EQ(Rows(file, kColName, QStringLiteral("CAFÉ")), (std::vector<int>{0, 1}));
  EXPECT_EQ(Rows(file, kColName, QStringLiteral("é")), (std::vector<int>{0, 1}));
  EXPECT_EQ(Rows(file, kColName, QStringLiteral("caf\u4E00")), std::vector<int>{});
  EXPECT_EQ(AnsiUpper(static_cast<unsigned char>(0xFF)), 0x9F);  // ÿ -> Ÿ
}

TEST(GridFilter, NumberBoxesMatchTheNumberShown) {
  UPFile file = FileOfNames({"a", "b", "c"});
  SetUPTempo(file.up(1), 250);
  file.up(2)[field::PartTonePC.offset + 3 * 4] = 127;  // LW2 program byte
  file.up(2)[field::Pad2Button.offset] = 7;
  EXPECT_EQ(Rows(file, kColTempo, QStringLiteral("250")), std::vector<int>{1});
  // The program column shows the program counted from 1, for the part the tone selector names.
  EXPECT_EQ(Rows(file, kColToneProgram, QStringLiteral("128"), {0, 0, 4}), std::vector<int>{2});
  EXPECT_EQ(Rows(file, kColToneProgram, QStringLiteral("128")), std::vector<int>{});
  EXPECT_EQ(Rows(file, kColPad, QStringLiteral("7"), {1, 0, 0}), std::vector<int>{2});
  EXPECT_EQ(Rows(file, kColPad, QStringLiteral("7")), std::vector<int>{});
}

TEST(GridFilter, AllActiveBoxesMustMatch) {
  UPFile file = FileOfNames({"abc", "abd", "xbc"});
  SetUPTempo(file.up(1), 99);
  FilterTexts texts;
  texts[kColName] = QStringLiteral("ab");
  texts[kColTempo] = QStringLiteral("120");
  EXPECT_EQ(BuildGridRows(file, GridFilter(texts), {}, kColID, kSortAscending), std::vector<int>{0});
}

std::vector<int> SortedBy(const UPFile& file, int col, int direction) {
  std::vector<int> ids(static_cast<std::size_t>(file.count));
  std::iota(ids.begin(), ids.end(), 0);
  SortGridRows(ids, file, col, direction, {});
  return ids;
}

TEST(GridSort, NumbersCompareAsNumbersTextsWithoutCaseAndTiesKeepIDOrder) {
  const UPFile file = FileOfNames({"10", "9", "beta", "Alpha", "alpha", "-2.5", "BETA"});
  EXPECT_EQ(SortedBy(file, kColName, kSortAscending), (std::vector<int>{5, 1, 0, 3, 4, 2, 6}));
  EXPECT_EQ(SortedBy(file, kColName, kSortDescending), (std::vector<int>{2, 6, 3, 4, 0, 1, 5}));
}

TEST(GridSort, NumberColumnsSortByValue) {
  UPFile file = FileOfNames({"a", "b", "c", "d"});
  const int tempos[] = {120, 20, 250, 99};
  for (int id = 0; id < 4; ++id) SetUPTempo(file.up(id), tempos[id]);
  EXPECT_EQ(SortedBy(file, kColTempo, kSortAscending), (std::vector<int>{1, 3, 0, 2}));
  EXPECT_EQ(SortedBy(file, kColID, kSortDescending), (std::vector<int>{3, 2, 1, 0}));
}

// Random names mixing digits, letters and signs: the order must be a permutation in which every
// neighbouring pair obeys the documented rule (numbers first, by value; then texts by folded
// bytes), which a non-transitive comparison would break.
TEST(GridSort, OrderIsTotalOnMixedNumbersAndTexts) {
  std::mt19937 random(7);
  const std::string alphabet = "019.-aAbZ ";
  std::vector<std::string> names;
  for (int i = 0; i < 3000; ++i) {
    std::string name;
    const int length = 1 + static_cast<int>(random() % 5);
    for (int c = 0; c < length; ++c) name += alphabet[random() % alphabet.size()];
    names.push_back(name);
  }
  const UPFile file = FileOfNames(names);
  const std::vector<int> ids = SortedBy(file, kColName, kSortAscending);
  ASSERT_TRUE(std::is_permutation(ids.begin(), ids.end(), SortedBy(file, kColID, kSortAscending).begin()));
  for (std::size_t i = 1; i < ids.size(); ++i) {
    const std::string a = CellText(file.up(ids[i - 1]), ids[i - 1], kColName);
    const std::string b = CellText(file.up(ids[i]), ids[i], kColName);
    const auto na = ParseNumberText(a);
    const auto nb = ParseNumberText(b);
    ASSERT_FALSE(!na && nb) << a << " before " << b;
    if (na && nb) {
      ASSERT_LE(*na, *nb);
      if (*na == *nb) {
        ASSERT_LT(ids[i - 1], ids[i]);
      }
    } else if (!na && !nb) {
      ASSERT_LE(AnsiUpper(a), AnsiUpper(b));
      if (AnsiUpper(a) == AnsiUpper(b)) {
        ASSERT_LT(ids[i - 1], ids[i]);
      }
    }
  }
}

TEST(NumberText, AcceptsSignedDecimalsWithBlanksOnly) {
  EXPECT_EQ(ParseNumberText(std::string_view(" -12.5 ")), -12.5);
  EXPECT_EQ(ParseNumberText(std::string_view(".5")), 0.5);
  for (const char* text : {"", " ", "-", ".", "1.2.3", "12x", "1 2", "+-1"}) {
    EXPECT_FALSE(ParseNumberText(std::string_view(text))) << text;
  }
  EXPECT_FALSE(ParseNumberText(QStringLiteral("١٢")));  // digits of another script
}

}  // namespace
}  // namespace tarnwick
