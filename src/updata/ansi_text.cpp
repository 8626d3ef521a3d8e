// SPDX-License-Identifier: GPL-3.0-or-later
#include "updata/ansi_text.h"

#include <array>

namespace tarnwick {
namespace {

// 0x80..0x9F of Windows-1252; the five undefined codes keep their own value, as Windows does.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t ch) {
  if (ch < 0x80) {
    out += static_cast<char>(ch);
  } else if (ch < 0x800) {
    out += static_cast<char>(0xC0 | (ch >> 6));
    out += static_cast<char>(0x80 | (ch & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (ch >> 12));
    out += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (ch & 0x3F));
  }
}

}  // namespace

char32_t AnsiToUnicode(unsigned char byte) {
  return byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : char32_t{byte};
}

std::string AnsiToUtf8(std::string_view ansi) {
  std::string out;
  out.reserve(ansi.size());
  for (char c : ansi) AppendUtf8(out, AnsiToUnicode(static_cast<unsigned char>(c)));
  return out;
}

bool StorableInName(char32_t ch) {
  if (ch < 0x20 || (ch >= 0x7F && ch < 0xA0)) return false;
  return ch == U'?' || UnicodeToAnsi(ch) != '?';
}

std::optional<std::string> StorableName(std::u32string_view text, std::size_t maxLength) {
  if (text.size() > maxLength) return std::nullopt;
  std::string bytes;
  for (const char32_t ch : text) {
    if (!StorableInName(ch)) return std::nullopt;
    bytes += UnicodeToAnsi(ch);
  }
  return bytes;
}

char UnicodeToAnsi(char32_t ch) {
  if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF)) return static_cast<char>(ch);
  for (std::size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] == ch) return static_cast<char>(0x80 + i);
  }
  return '?';
}

}  // namespace tarnwick
