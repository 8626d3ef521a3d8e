// SPDX-License-Identifier: GPL-3.0-or-later
// A stored 8-bit text as the grid shows it: NUL filler as blanks, blanks trimmed, as Unicode.
#pragma once

#include <QString>
#include <algorithm>
#include <string>
#include <string_view>

#include "updata/ansi_text.h"
#include "updata/up_record.h"

namespace tarnwick {

inline QString ShownText(std::string_view stored) {
  std::string text(stored);
  std::replace(text.begin(), text.end(), '\0', ' ');
  return QString::fromStdString(AnsiToUtf8(TrimBlanks(text)));
}

}  // namespace tarnwick
