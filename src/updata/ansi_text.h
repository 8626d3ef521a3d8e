// SPDX-License-Identifier: GPL-3.0-or-later
// The 8-bit texts of UPS and list files are stored byte for byte and shown as Windows-1252.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tarnwick {

char32_t AnsiToUnicode(unsigned char byte);
std::string AnsiToUtf8(std::string_view ansi);

// The byte that shows as `ch`, or '?' for a character Windows-1252 cannot hold.
char UnicodeToAnsi(char32_t ch);

// The names of a UPS file (UP, style, song and Disk Link names) hold 8 characters, one byte each.
inline constexpr std::size_t kStoredNameLength = 8;

// Whether a typed character comes back from a stored name as typed: it has a Windows-1252 byte
// and is no control character (NUL, line break, tab, DEL, the C1 controls).
bool StorableInName(char32_t ch);

// `text` as the bytes of a stored name of at most `maxLength` characters; nothing when the text
// is longer or holds a character StorableInName refuses. Every edit of a name goes through here.
std::optional<std::string> StorableName(std::u32string_view text, std::size_t maxLength = kStoredNameLength);

}  // namespace tarnwick
