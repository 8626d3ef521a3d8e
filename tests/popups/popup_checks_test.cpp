// SPDX-License-Identifier: GPL-3.0-or-later
// The number read from a pop-up's text and the characters a stored name cannot hold.
#include <gtest/gtest.h>

#include "popups/popup_checks.h"

namespace tarnwick {
namespace {

TEST(PopupChecks, LeadingNumberReadsOnlyTheNumberAtTheStart) {
  EXPECT_EQ(LeadingNumber(QStringLiteral("  120bpm")), 120);
  EXPECT_EQ(LeadingNumber(QStringLiteral("-37")), -37);
  EXPECT_EQ(LeadingNumber(QStringLiteral("+12.5")), 13);
  EXPECT_EQ(LeadingNumber(QStringLiteral("99.4.9")), 99);
  EXPECT_EQ(LeadingNumber(QStringLiteral("abc")), 0);
  EXPECT_EQ(LeadingNumber(QStringLiteral("")), 0);
  EXPECT_EQ(LeadingNumber(QStringLiteral("-")), 0);
  EXPECT_GT(LeadingNumber(QStringLiteral("999999999999999999999999")), 9999);
  // Past the largest double: still out of range, never 0.
  const QString digits400(400, QLatin1Char('9'));
  EXPECT_GT(LeadingNumber(digits400 + QStringLiteral(".5x")), 9999);
  EXPECT_LT(LeadingNumber(QStringLiteral("-") + digits400), -9999);
}

TEST(PopupChecks, AHugeNumberPutsBackTheStartingValue) {
  NumEditParams params;
  params.value = 120;
  params.minimum = 20;
  params.maximum = 250;
  const PopupVerdict verdict = CheckNumberText(QStringLiteral("12000"), params);
  ASSERT_TRUE(verdict.replacementText.has_value());
  EXPECT_EQ(*verdict.replacementText, QStringLiteral("120"));
  EXPECT_EQ(verdict.tone, PopupTone::Unchanged);
  EXPECT_TRUE(verdict.acceptEnabled);
  EXPECT_FALSE(CheckNumberText(QStringLiteral("9999"), params).replacementText.has_value());
}

// Which characters are storable is the stored-name rule's (tests/updata); here, the one named.
TEST(PopupChecks, TheFirstCharacterANameCannotHoldIsNamed) {
  EXPECT_FALSE(FirstUnstorableCharacter(QStringLiteral("Caf\u00e9 \u20ac?")).has_value());
  EXPECT_EQ(FirstUnstorableCharacter(QStringLiteral("Zu\u0142o")), QChar(0x0142));
  EXPECT_EQ(FirstUnstorableCharacter(QString::fromUtf8("A\xF0\x9F\x8E\xB9")).value().isSurrogate(), true);
  EXPECT_EQ(DescribeCharacter(QChar('\n')), QStringLiteral("line break"));
  // The pop-ups refuse such a text like a wrong length, naming the character.
  const PopupVerdict tab = CheckNameText(QStringLiteral("AB\tCD"), QStringLiteral("Piano"), TextPopupKind::GridName);
  EXPECT_FALSE(tab.acceptEnabled);
  EXPECT_EQ(tab.tone, PopupTone::Refused);
  EXPECT_EQ(tab.toolTip, QStringLiteral(" The file cannot store tab "));
  EXPECT_TRUE(CheckNameText(QStringLiteral("\u20acuro"), QStringLiteral("Piano"), TextPopupKind::PanelText8).acceptEnabled);
  EXPECT_EQ(DescribeCharacter(QChar(0x0142)), QStringLiteral("\"\u0142\""));
}

}  // namespace
}  // namespace tarnwick
