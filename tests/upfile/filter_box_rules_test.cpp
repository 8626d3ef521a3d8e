#include "upfile/filter_box_rules.h"

#include <gtest/gtest.h>

#include "upfile/qt_printers.h"

namespace tarnwick {
namespace {

TEST(FilterTyping, EnterAndEscapeAreSwallowedEverywhere) {
  for (int box = kFirstFilterBox; box <= kLastFilterBox; ++box) {
    EXPECT_EQ(JudgeTypedCharacter(box, u'\r'), TypedKey::Refuse);
    EXPECT_EQ(JudgeTypedCharacter(box, u'\x1b'), TypedKey::Refuse);
    EXPECT_EQ(JudgeTypedCharacter(box, u'\b'), TypedKey::Accept);
  }
  EXPECT_EQ(JudgeTypedCharacter(kColName, u'x'), TypedKey::Accept);
}

TEST(FilterTyping, PastedTextIsTidiedOrRemoved) {
  EXPECT_EQ(HandleFilterChange(kColToneProgram, QStringLiteral("12x")).text, QString());
  EXPECT_EQ(HandleFilterChange(kColToneProgram, QStringLiteral("12.7")).text, QStringLiteral("12"));
  EXPECT_EQ(HandleFilterChange(kColToneProgram, QStringLiteral("0")).text, QString());
  EXPECT_EQ(HandleFilterChange(kColToneMSB, QStringLiteral("0")).text, QStringLiteral("0"));
  EXPECT_EQ(HandleFilterChange(kColEFX, QStringLiteral("90")).text, QString());
  EXPECT_TRUE(HandleFilterChange(kColName, QStringLiteral("x")).refresh);
}

TEST(FilterStepping, CyclesMaximumEmptyMinimum) {
  EXPECT_EQ(StepFilterUp(kTempoFilterBox, {}, false), QStringLiteral("20"));
  EXPECT_EQ(StepFilterUp(kTempoFilterBox, QStringLiteral("249"), false), QStringLiteral("250"));
  EXPECT_EQ(StepFilterUp(kTempoFilterBox, QStringLiteral("250"), false), QString());
  EXPECT_EQ(StepFilterUp(kTempoFilterBox, QStringLiteral("12"), true), QStringLiteral("250"));
  EXPECT_EQ(StepFilterDown(kColToneProgram, {}, false), QStringLiteral("128"));
  EXPECT_EQ(StepFilterDown(kColToneProgram, QStringLiteral("1"), false), QString());
  EXPECT_EQ(StepFilterDown(kColToneProgram, QStringLiteral("50"), true), QStringLiteral("1"));
  // A short tempo below the minimum stays as it is when stepped down.
  EXPECT_EQ(StepFilterDown(kTempoFilterBox, QStringLiteral("12"), false), QStringLiteral("12"));
  EXPECT_EQ(StepFilterUp(kTempoFilterBox, QStringLiteral("12"), false), QStringLiteral("13"));
}

TEST(FilterLooks, ToolTipsFollowTheColumnSelectors) {
  EXPECT_EQ(FilterToolTip(kColPad, {2, 0, 0}), QStringLiteral("D-Beam Controller [Filter]"));
  EXPECT_EQ(FilterToolTip(kColEFX, {0, 3, 0}), QStringLiteral("Delay Macro [Filter]"));
  EXPECT_EQ(FilterToolTip(kColToneProgram, {}), QStringLiteral("Progran Change [Filter: 1 to 128]"));
  const QStringList help = FilterHelpText().split(QStringLiteral("\r\n"));
  EXPECT_EQ(help.size(), 15);
  EXPECT_EQ(help.front(), QStringLiteral(" Up Arrow: Increases the value"));
  EXPECT_EQ(help.back(), QStringLiteral(" Cycle: Max <--> Clear <--> Min"));
}

}  // namespace
}  // namespace tarnwick
