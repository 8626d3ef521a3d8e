// The twelve filter boxes above a UP grid, without their widgets: what each box accepts when
// typed into, how a changed text is tidied and whether it refreshes the grid, and how the number
// boxes (7..12) step through minimum, empty and maximum by keys, mouse and wheel.
#pragma once

#include <QSize>
#include <QString>

#include "upfile/grid_columns.h"

namespace tarnwick {

inline constexpr int kFirstFilterBox = 1;
inline constexpr int kLastFilterBox = 12;
inline constexpr int kTempoFilterBox = 7;
inline constexpr int kBankLSBFilterBox = 11;

struct FilterBoxLimits {
  int minimum;
  int maximum;
};
constexpr bool IsNumberFilterBox(int box) { return box >= kTempoFilterBox && box <= kLastFilterBox; }
FilterBoxLimits FilterLimits(int box);

// The objectName index of box `box` of file `file`: 100 × file + box.
constexpr int FilterBoxIndex(int file, int box) { return 100 * file + box; }

QString FilterToolTip(int box, const ColumnSelectors& selectors);

// What a typed character does in a box. Characters typed with Ctrl or Alt (shortcuts such as
// paste) and keys that type nothing are not judged here.
enum class TypedKey {
  Accept,
  Refuse,
  AcceptAfterEmptying,  // box 11 holds one digit at most: the new one replaces the old
};
TypedKey JudgeTypedCharacter(int box, QChar typed);

struct FilterChange {
  QString text;  // what the box is to hold
  bool refresh;  // whether the grid is refreshed with it
};
// The tidy-up after the text of a box changed. Number boxes keep only the integer part of a
// number and empty themselves on anything else or a value outside their limits; the tempo box
// waits for a third character before it applies a value, so a tempo can be typed digit by digit.
FilterChange HandleFilterChange(int box, const QString& text);

// Stepping a number box: Up goes empty -> minimum -> ... -> maximum -> empty; Down the other
// way round; with Ctrl straight to maximum (Up) or minimum (Down).
QString StepFilterUp(int box, const QString& text, bool ctrl);
QString StepFilterDown(int box, const QString& text, bool ctrl);

QString FilterHelpText();
inline constexpr char kFilterHelpTitle[] = "Filter Help";
inline constexpr QSize kFilterHelpSizeTwips{3630, 3450};

}  // namespace tarnwick
