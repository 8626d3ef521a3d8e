// SPDX-License-Identifier: GPL-3.0-or-later
// The rules of one filter box above a grid, without its widget: what the box accepts when typed
// into, how a changed text is tidied and whether the grid is filled again with it, and how a
// number box steps through minimum, empty and maximum by keys, mouse and wheel. Each window
// describes its boxes with a FilterRules and hands it to the box.
#pragma once

#include <QSize>
#include <QString>
#include <functional>

namespace tarnwick {

enum class FilterKind {
  Text,      // any character; matched as a part of the shown text
  Number,    // digits only; a whole number within the limits
  OneDigit,  // one digit within the limits; a new digit replaces the old one
};

// What a typed character does in a box. Characters typed with Ctrl or Alt (shortcuts such as
// paste) and keys that type nothing are not judged here.
enum class TypedKey {
  Accept,
  Refuse,
  AcceptAfterEmptying,
};

struct FilterChange {
  QString text;  // what the box is to hold
  bool refresh;  // whether the grid is filled again with it
};

struct FilterRules {
  FilterKind kind = FilterKind::Text;
  int minimum = 0;
  int maximum = 0;
  // A number box waits for this many characters before it applies a value (the tempo box: 3, so
  // that a tempo can be typed digit by digit); 0 applies at once.
  int applyLength = 0;
  QString objectName;
  QString toolTip;
  // Set only where a box departs from the rules of its kind.
  std::function<TypedKey(QChar)> judge;
  std::function<FilterChange(const QString&)> tidy;

  bool isNumber() const { return kind != FilterKind::Text; }
};

FilterRules TextFilter(const QString& objectName, const QString& toolTip);
FilterRules NumberFilter(const QString& objectName, const QString& toolTip, int minimum, int maximum);
FilterRules OneDigitFilter(const QString& objectName, const QString& toolTip, int minimum, int maximum);

TypedKey JudgeTypedCharacter(const FilterRules& rules, QChar typed);
// Number boxes keep only the whole-number part of a number and empty themselves on anything else
// or a value outside their limits.
FilterChange HandleFilterChange(const FilterRules& rules, const QString& text);

// Up goes empty -> minimum -> ... -> maximum -> empty; Down the other way round; with Ctrl
// straight to maximum (Up) or minimum (Down). Text boxes do not step.
QString StepFilterUp(const FilterRules& rules, const QString& text, bool ctrl);
QString StepFilterDown(const FilterRules& rules, const QString& text, bool ctrl);

QString FilterHelpText();
inline constexpr char kFilterHelpTitle[] = "Filter Help";
inline constexpr QSize kFilterHelpSizeTwips{3450, 3630};  // the least size; it grows to fit its text

}  // namespace tarnwick
