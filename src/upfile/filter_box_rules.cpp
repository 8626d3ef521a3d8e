// SPDX-License-Identifier: GPL-3.0-or-later
#include "upfile/filter_box_rules.h"

#include <array>

namespace tarnwick {
namespace {

constexpr std::array<const char*, kGridColumnCount> kFixedToolTips = {"",
                                                                      "User Program [Filter]",
                                                                      "Name [Filter]",
                                                                      "Style Source [Filter]",
                                                                      "Style [Filter]",
                                                                      "Song Source [Filter]",
                                                                      "Song [Filter]",
                                                                      "Tempo [Filter: 20 to 250]",
                                                                      "",
                                                                      "",
                                                                      "Control Change 0 [Filter: 0 to 127]",
                                                                      "Control Change 32 [Filter: 1 to 3]",
                                                                      "Progran Change [Filter: 1 to 128]"};

constexpr int kTempoApplyLength = 3;

}  // namespace

FilterBoxLimits FilterLimits(int box) {
  switch (box) {
    case kColTempo:
      return {20, 250};
    case kColPad:
      return {0, 19};
    case kColEFX:
      return {0, 89};
    case kColToneMSB:
      return {0, 127};
    case kColToneLSB:
      return {1, 3};
    case kColToneProgram:
      return {1, 128};
    default:
      return {0, 255};
  }
}

QString FilterToolTip(int box, const ColumnSelectors& selectors) {
  if (box == kColPad || box == kColEFX) {
    return ColumnTitle(box, selectors) + QStringLiteral(" [Filter]");
  }
  return QString::fromLatin1(kFixedToolTips[static_cast<std::size_t>(box)]);
}

FilterRules UPFilterRules(int file, int box, const ColumnSelectors& selectors) {
  const QString name = QStringLiteral("txt_GridFilter_%1").arg(FilterBoxIndex(file, box));
  const QString toolTip = FilterToolTip(box, selectors);
  if (!IsNumberFilterBox(box)) return TextFilter(name, toolTip);
  const FilterBoxLimits limits = FilterLimits(box);
  if (box == kBankLSBFilterBox) return OneDigitFilter(name, toolTip, limits.minimum, limits.maximum);
  FilterRules rules = NumberFilter(name, toolTip, limits.minimum, limits.maximum);
  if (box == kTempoFilterBox) rules.applyLength = kTempoApplyLength;
  return rules;
}

}  // namespace tarnwick
