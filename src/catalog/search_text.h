// SPDX-License-Identifier: GPL-3.0-or-later
// What the player types in the search box, as a catalog query. Each word matches the start of a
// word of the UP's name, style or song ("pia" finds "Piano12"); all words must match. Prefixed
// words narrow it down:
//   name:WORD  style:WORD  song:WORD   the word in that field only
//   style:D88                          the style number (A11..B88, C11..C28, D88)
//   tempo:120  tempo:100-120           the tempo, or a range of tempos
// Case and accents do not matter.
#pragma once

#include <QString>
#include <optional>

namespace tarnwick {

struct SearchFilter {
  QString match;        // the full-text expression; empty when only filters were given
  int tempoMin = -1;    // -1: any tempo
  int tempoMax = -1;
  QString styleNumber;  // empty: any style number
  QString problem;      // not empty: the text cannot be searched, and this says why

  bool empty() const { return match.isEmpty() && tempoMin < 0 && styleNumber.isEmpty(); }
};

SearchFilter ParseSearchText(const QString& text);

// Whether `word` is a style number as the grid shows it ("A11", "c28", "D88").
bool IsStyleNumber(const QString& word);

}  // namespace tarnwick
