// SPDX-License-Identifier: GPL-3.0-or-later
#include "grid/ansi_fold.h"

#include <QList>
#include <array>

#include "updata/ansi_text.h"

namespace tarnwick {
namespace {

std::array<unsigned char, 256> BuildUpperTable() {
  std::array<unsigned char, 256> table{};
  for (int byte = 0; byte < 256; ++byte) {
    const char32_t upper = QChar::toUpper(AnsiToUnicode(static_cast<unsigned char>(byte)));
    const char back = UnicodeToAnsi(upper);
    const bool representable = back != '?' || upper == U'?';
    table[byte] = representable ? static_cast<unsigned char>(back) : static_cast<unsigned char>(byte);
  }
  return table;
}

const std::array<unsigned char, 256>& UpperTable() {
  static const std::array<unsigned char, 256> table = BuildUpperTable();
  return table;
}

}  // namespace

unsigned char AnsiUpper(unsigned char byte) { return UpperTable()[byte]; }

std::string AnsiUpper(std::string_view text) {
  const auto& table = UpperTable();
  std::string folded(text.size(), '\0');
  for (std::size_t i = 0; i < text.size(); ++i) {
    folded[i] = static_cast<char>(table[static_cast<unsigned char>(text[i])]);
  }
  return folded;
}

std::optional<std::string> FoldedAnsi(const QString& text) {
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(text.size()));
  for (const uint code : text.toUcs4()) {
    const char32_t ch = code;
    const char byte = UnicodeToAnsi(ch);
    if (byte == '?' && ch != U'?') return std::nullopt;
    bytes += byte;
  }
  return AnsiUpper(bytes);
}

}  // namespace tarnwick
