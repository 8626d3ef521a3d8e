// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/search_text.h"

#include <QRegularExpression>
#include <QStringList>

namespace tarnwick {
namespace {

// A word as a quoted FTS5 prefix query: quotes inside are doubled, so nothing typed is syntax.
QString PrefixTerm(const QString& word) {
  QString quoted = word;
  quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
  return QLatin1Char('"') + quoted + QLatin1String("\"*");
}

bool ParseTempo(const QString& value, SearchFilter& filter) {
  static const QRegularExpression range(QStringLiteral("^(\\d{1,3})(?:-(\\d{1,3}))?$"));
  const QRegularExpressionMatch found = range.match(value);
  if (!found.hasMatch()) return false;
  filter.tempoMin = found.captured(1).toInt();
  filter.tempoMax = found.captured(2).isEmpty() ? filter.tempoMin : found.captured(2).toInt();
  return filter.tempoMin <= filter.tempoMax;
}

// One "field:value" word; false when the field is unknown or the value does not fit it.
bool ParseFieldWord(const QString& field, const QString& value, SearchFilter& filter, QStringList& terms) {
  if (field == QLatin1String("tempo")) return ParseTempo(value, filter);
  if (field == QLatin1String("style") && IsStyleNumber(value)) {
    filter.styleNumber = value.toUpper();
    return true;
  }
  if (field == QLatin1String("name") || field == QLatin1String("style") || field == QLatin1String("song")) {
    terms << field + QLatin1String(" : ") + PrefixTerm(value);
    return true;
  }
  return false;
}

}  // namespace

bool IsStyleNumber(const QString& word) {
  static const QRegularExpression number(QStringLiteral("^[A-Da-d][1-8][1-8]$"));
  return number.match(word).hasMatch();
}

SearchFilter ParseSearchText(const QString& text) {
  SearchFilter filter;
  QStringList terms;
  for (const QString& word : text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts)) {
    const qsizetype colon = word.indexOf(QLatin1Char(':'));
    if (colon <= 0) {
      terms << PrefixTerm(word);
      continue;
    }
    const QString field = word.left(colon).toLower();
    const QString value = word.mid(colon + 1);
    if (value.isEmpty()) continue;  // still being typed
    if (!ParseFieldWord(field, value, filter, terms)) {
      filter.problem = QStringLiteral("\"%1\" is no filter: use name:, style:, song: or tempo: (tempo:120, tempo:100-120, style:D88)").arg(word);
      return filter;
    }
  }
  filter.match = terms.join(QLatin1Char(' '));
  return filter;
}

}  // namespace tarnwick
