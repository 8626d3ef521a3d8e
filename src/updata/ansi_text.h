// SPDX-License-Identifier: GPL-3.0-or-later
// The 8-bit texts of UPS and list files are stored byte for byte and shown as Windows-1252.
#pragma once

#include <string>
#include <string_view>

namespace tarnwick {

char32_t AnsiToUnicode(unsigned char byte);
std::string AnsiToUtf8(std::string_view ansi);

// The byte that shows as `ch`, or '?' for a character Windows-1252 cannot hold.
char UnicodeToAnsi(char32_t ch);

}  // namespace tarnwick
