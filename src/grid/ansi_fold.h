// SPDX-License-Identifier: GPL-3.0-or-later
// Case folding of the 8-bit (Windows-1252) texts of UP records, so that the grid can filter and
// sort 65535 names without building a Unicode string for each. A byte is upper-cased through the
// character it stands for; a character whose capital has no Windows-1252 byte stays as it is.
#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>

namespace tarnwick {

unsigned char AnsiUpper(unsigned char byte);
std::string AnsiUpper(std::string_view text);

// A typed text in the same folded 8-bit form; nothing when a character of it has no
// Windows-1252 byte (such a text cannot occur in any record).
std::optional<std::string> FoldedAnsi(const QString& text);

}  // namespace tarnwick
