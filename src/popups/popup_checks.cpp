// SPDX-License-Identifier: GPL-3.0-or-later
#include "popups/popup_checks.h"

#include "updata/ansi_text.h"

#include <algorithm>
#include <cmath>

namespace tarnwick {
namespace {

constexpr long long kNumberLimit = 9999;
constexpr int kTextCutLength = 32;
constexpr qsizetype kShownNameLength = static_cast<qsizetype>(kStoredNameLength);

const QString kEscapeEnter = QStringLiteral(" Escape=Cancel, Enter=Accept ");

bool IsBlank(QChar ch) { return ch == QLatin1Char(' ') || ch == QLatin1Char('\t'); }

}  // namespace

long long LeadingNumber(const QString& text) {
  int pos = 0;
  while (pos < text.size() && IsBlank(text[pos])) ++pos;
  QString number;
  if (pos < text.size() && (text[pos] == QLatin1Char('-') || text[pos] == QLatin1Char('+'))) {
    number += text[pos++];
  }
  bool seenPoint = false;
  for (; pos < text.size(); ++pos) {
    const QChar ch = text[pos];
    if (ch == QLatin1Char('.') && !seenPoint) {
      seenPoint = true;
    } else if (ch < QLatin1Char('0') || ch > QLatin1Char('9')) {
      break;
    }
    number += ch;
  }
  constexpr long long kSaturated = 1'000'000'000'000'000LL;
  const bool negative = number.startsWith(QLatin1Char('-'));
  bool ok = false;
  const double value = number.toDouble(&ok);
  if (!ok) {
    // More digits than a double holds (above about 1e308) is still a number, and a huge one.
    const bool hasDigit = std::any_of(number.begin(), number.end(), [](QChar ch) { return ch.isDigit(); });
    if (!hasDigit) return 0;
    return negative ? -kSaturated : kSaturated;
  }
  if (std::isnan(value)) return 0;
  if (value > static_cast<double>(kSaturated)) return kSaturated;
  if (value < -static_cast<double>(kSaturated)) return -kSaturated;
  return std::llround(value);
}

PopupVerdict CheckNumberText(const QString& text, const NumEditParams& params) {
  PopupVerdict verdict;
  long long n = LeadingNumber(text);
  if (n > kNumberLimit || n < -kNumberLimit) {
    verdict.replacementText = QString::number(params.value);
    n = params.value;
  }
  if (n < params.minimum || n > params.maximum) {
    verdict.acceptEnabled = false;
    verdict.tone = PopupTone::Refused;
    verdict.toolTip = QStringLiteral("%1 to %2 accepted, (Escape=Cancel) ")
                          .arg(params.minimum)
                          .arg(params.maximum);
  } else {
    verdict.tone = PopupTone::Acceptable;
    verdict.toolTip = kEscapeEnter;
  }
  if (n == params.value) {
    verdict.tone = PopupTone::Unchanged;
    verdict.toolTip = kEscapeEnter;
  }
  return verdict;
}

std::optional<QChar> FirstUnstorableCharacter(const QString& text) {
  for (const QChar ch : text) {
    if (ch.isSurrogate() || !StorableInName(ch.unicode())) return ch;
  }
  return std::nullopt;
}

QString DescribeCharacter(QChar ch) {
  if (ch == QLatin1Char('\n') || ch == QLatin1Char('\r')) return QStringLiteral("line break");
  if (ch == QLatin1Char('\t')) return QStringLiteral("tab");
  if (ch.unicode() < 0x20 || (ch.unicode() >= 0x7F && ch.unicode() < 0xA0)) {
    return QStringLiteral("control character %1").arg(ch.unicode());
  }
  if (ch.isSurrogate()) return QStringLiteral("a character outside the file's code page");
  return QStringLiteral("\"%1\"").arg(ch);
}

PopupVerdict CheckNameText(const QString& text, const QString& startText, TextPopupKind kind) {
  PopupVerdict verdict;
  QString shown = text;
  if (shown.size() > kTextCutLength) {
    shown = shown.left(kShownNameLength);
    verdict.replacementText = shown;
  }
  const bool panel = kind == TextPopupKind::PanelText8;
  const auto n = shown.size();
  const auto badChar = FirstUnstorableCharacter(shown);
  if (n == 0 || n > kShownNameLength) {
    verdict.acceptEnabled = false;
    verdict.tone = PopupTone::Refused;
    verdict.toolTip = QStringLiteral(" %1").arg(n) +
                      (panel ? QStringLiteral(" Characters, 1 to 8 accepted, (Escape=Cancel) ")
                             : QStringLiteral(" Characters - 1 to 8 accepted "));
  } else if (badChar) {
    // A name is stored one byte per character: what the file cannot hold must not be accepted.
    verdict.acceptEnabled = false;
    verdict.tone = PopupTone::Refused;
    verdict.toolTip = QStringLiteral(" The file cannot store %1")
                          .arg(DescribeCharacter(*badChar)) +
                      (panel ? QStringLiteral(", (Escape=Cancel) ") : QStringLiteral(" "));
  } else {
    verdict.tone = PopupTone::Acceptable;
    verdict.toolTip = panel ? kEscapeEnter : QStringLiteral(" Editing: %1 ").arg(startText);
  }
  if (shown == startText) {
    verdict.tone = PopupTone::Unchanged;
    verdict.toolTip = panel ? kEscapeEnter : QStringLiteral(" Ready to Edit ");
  }
  return verdict;
}

}  // namespace tarnwick
