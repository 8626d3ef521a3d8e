// SPDX-License-Identifier: GPL-3.0-or-later
// The twelve filter boxes above a UP grid: their kinds, limits and tooltips, as rules for the
// shared filter boxes of grid/filter_rules.h.
#pragma once

#include <QString>

#include "grid/filter_rules.h"
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

// The rules of box `box` of file `file`.
FilterRules UPFilterRules(int file, int box, const ColumnSelectors& selectors = {});

// The rules of a box of File 0, applied (for tests and callers that know only the box).
inline TypedKey JudgeTypedCharacter(int box, QChar typed) {
  return JudgeTypedCharacter(UPFilterRules(0, box), typed);
}
inline FilterChange HandleFilterChange(int box, const QString& text) {
  return HandleFilterChange(UPFilterRules(0, box), text);
}
inline QString StepFilterUp(int box, const QString& text, bool ctrl) {
  return StepFilterUp(UPFilterRules(0, box), text, ctrl);
}
inline QString StepFilterDown(int box, const QString& text, bool ctrl) {
  return StepFilterDown(UPFilterRules(0, box), text, ctrl);
}

}  // namespace tarnwick
