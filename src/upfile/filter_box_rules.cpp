#include "upfile/filter_box_rules.h"

#include <QStringList>
#include <array>
#include <cmath>
#include <optional>

#include "upfile/number_text.h"

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

// The integer part of a number text; nothing for other texts and for numbers beyond any limit.
std::optional<int> IntegerPart(const QString& text) {
  const auto number = ParseNumberText(text);
  if (!number || std::abs(*number) > 1e9) return std::nullopt;
  return static_cast<int>(std::floor(*number));
}

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
  return QString::fromLatin1(kFixedToolTips[box]);
}

TypedKey JudgeTypedCharacter(int box, QChar typed) {
  if (typed == u'\r' || typed == u'\n' || typed == u'\x1b') return TypedKey::Refuse;
  if (typed == u'\b' || !IsNumberFilterBox(box)) return TypedKey::Accept;
  if (box == kBankLSBFilterBox) {
    return typed >= u'1' && typed <= u'3' ? TypedKey::AcceptAfterEmptying : TypedKey::Refuse;
  }
  return typed >= u'0' && typed <= u'9' ? TypedKey::Accept : TypedKey::Refuse;
}

FilterChange HandleFilterChange(int box, const QString& text) {
  if (!IsNumberFilterBox(box)) return {text, true};
  const auto value = IntegerPart(text);
  if (!value) return {QString(), true};
  const QString integer = QString::number(*value);
  if (box == kTempoFilterBox && integer.size() < kTempoApplyLength) return {integer, false};
  const FilterBoxLimits limits = FilterLimits(box);
  if (*value < limits.minimum || *value > limits.maximum) return {QString(), true};
  return {integer, true};
}

QString StepFilterUp(int box, const QString& text, bool ctrl) {
  const FilterBoxLimits limits = FilterLimits(box);
  if (ctrl) return QString::number(limits.maximum);
  const auto value = IntegerPart(text);
  if (!value) return QString::number(limits.minimum);
  if (*value == limits.maximum) return QString();
  if (*value < limits.maximum) return QString::number(*value + 1);
  return text;
}

QString StepFilterDown(int box, const QString& text, bool ctrl) {
  const FilterBoxLimits limits = FilterLimits(box);
  if (ctrl) return QString::number(limits.minimum);
  const auto value = IntegerPart(text);
  if (!value) return QString::number(limits.maximum);
  if (*value == limits.minimum) return QString();
  if (*value > limits.minimum) return QString::number(*value - 1);
  return text;
}

QString FilterHelpText() {
  const char* const lines[] = {
      " Up Arrow: Increases the value",
      " Down Arrow: Decreases the value",
      "",
      " Control + Up Arrow: Max value",
      " Control + Down Arrow: Min value",
      "",
      " Click on the left half: Decreases the value",
      " Click on the right half: Increases the value",
      "",
      " Control + Click on the left half: Min value",
      " Control + Click on the right half: Max value",
      "",
      " Mouse Wheel also works",
      "",
      " Cycle: Max <--> Clear <--> Min",
  };
  QStringList joined;
  for (const char* line : lines) joined << QString::fromLatin1(line);
  return joined.join(QStringLiteral("\r\n"));
}

}  // namespace tarnwick
