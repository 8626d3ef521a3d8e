// SPDX-License-Identifier: GPL-3.0-or-later
#include "grid/filter_rules.h"

#include <QStringList>
#include <cmath>
#include <optional>

#include "grid/number_text.h"

namespace tarnwick {
namespace {

// The integer part of a number text; nothing for other texts and for numbers beyond any limit.
std::optional<int> IntegerPart(const QString& text) {
  const auto number = ParseNumberText(text);
  if (!number || std::abs(*number) > 1e9) return std::nullopt;
  return static_cast<int>(std::floor(*number));
}

FilterRules Rules(FilterKind kind, const QString& objectName, const QString& toolTip, int minimum, int maximum) {
  FilterRules rules;
  rules.kind = kind;
  rules.objectName = objectName;
  rules.toolTip = toolTip;
  rules.minimum = minimum;
  rules.maximum = maximum;
  return rules;
}

}  // namespace

FilterRules TextFilter(const QString& objectName, const QString& toolTip) {
  return Rules(FilterKind::Text, objectName, toolTip, 0, 0);
}

FilterRules NumberFilter(const QString& objectName, const QString& toolTip, int minimum, int maximum) {
  return Rules(FilterKind::Number, objectName, toolTip, minimum, maximum);
}

FilterRules OneDigitFilter(const QString& objectName, const QString& toolTip, int minimum, int maximum) {
  return Rules(FilterKind::OneDigit, objectName, toolTip, minimum, maximum);
}

TypedKey JudgeTypedCharacter(const FilterRules& rules, QChar typed) {
  if (rules.judge) return rules.judge(typed);
  if (typed == u'\r' || typed == u'\n' || typed == u'\x1b') return TypedKey::Refuse;
  if (typed == u'\b' || rules.kind == FilterKind::Text) return TypedKey::Accept;
  if (rules.kind == FilterKind::OneDigit) {
    const bool allowed = typed.isDigit() && typed.digitValue() >= rules.minimum &&
                         typed.digitValue() <= rules.maximum && typed.unicode() < 0x80;
    return allowed ? TypedKey::AcceptAfterEmptying : TypedKey::Refuse;
  }
  return typed >= u'0' && typed <= u'9' ? TypedKey::Accept : TypedKey::Refuse;
}

FilterChange HandleFilterChange(const FilterRules& rules, const QString& text) {
  if (rules.tidy) return rules.tidy(text);
  if (!rules.isNumber()) return {text, true};
  const auto value = IntegerPart(text);
  if (!value) return {QString(), true};
  const QString integer = QString::number(*value);
  if (integer.size() < rules.applyLength) return {integer, false};
  if (*value < rules.minimum || *value > rules.maximum) return {QString(), true};
  return {integer, true};
}

QString StepFilterUp(const FilterRules& rules, const QString& text, bool ctrl) {
  if (!rules.isNumber()) return text;
  if (ctrl) return QString::number(rules.maximum);
  const auto value = IntegerPart(text);
  if (!value) return QString::number(rules.minimum);
  if (*value == rules.maximum) return QString();
  if (*value < rules.maximum) return QString::number(*value + 1);
  return text;
}

QString StepFilterDown(const FilterRules& rules, const QString& text, bool ctrl) {
  if (!rules.isNumber()) return text;
  if (ctrl) return QString::number(rules.minimum);
  const auto value = IntegerPart(text);
  if (!value) return QString::number(rules.maximum);
  if (*value == rules.minimum) return QString();
  if (*value > rules.minimum) return QString::number(*value - 1);
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
