// SPDX-License-Identifier: GPL-3.0-or-later
// What the value pop-ups say about the text typed into them: whether it can be accepted, the
// colour of the text and rim, and the tooltip that tells the player why. No widgets here.
#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace tarnwick {

// Parameters shared by a caller and the number pop-up. Positions and sizes are screen twips.
struct NumEditParams {
  std::uint8_t value = 0;    // value to start with
  std::uint8_t result = 0;   // value accepted (set by the pop-up)
  std::uint8_t minimum = 0;  // smallest value accepted
  std::uint8_t maximum = 255;
  std::int32_t top = 0;
  std::int32_t left = 0;
  std::int32_t height = 0;
  std::int32_t width = 0;
  std::int16_t layout = 1;     // 1 narrow rim (edit panel), 2 wide rim (grid)
  std::int16_t alignment = 0;  // 0 left, 1 right, 2 centre
  bool accepted = false;       // set by the pop-up: closed with Enter
};

// Black: unchanged; blue: a change that can be accepted; red: refused.
enum class PopupTone { Unchanged, Acceptable, Refused };

struct PopupVerdict {
  bool acceptEnabled = true;
  PopupTone tone = PopupTone::Unchanged;
  QString toolTip;
  std::optional<QString> replacementText;  // the text box must show this instead
};

// The two 8-character pop-ups differ only in their tooltips.
enum class TextPopupKind { PanelText8, GridName };

// The number at the start of `text` (leading blanks skipped, optional sign, digits and a decimal
// point), rounded half away from zero; 0 when there is none. Huge numbers saturate.
long long LeadingNumber(const QString& text);

PopupVerdict CheckNumberText(const QString& text, const NumEditParams& params);

// The first character of `text` that a stored name cannot hold (StorableInName of
// updata/ansi_text.h), for the tooltip that says why; empty when all can be stored.
std::optional<QChar> FirstUnstorableCharacter(const QString& text);

// How a refused character is named in a tooltip ("line break", "tab", or the character quoted).
QString DescribeCharacter(QChar ch);

PopupVerdict CheckNameText(const QString& text, const QString& startText, TextPopupKind kind);

}  // namespace tarnwick
