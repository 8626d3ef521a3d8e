// SPDX-License-Identifier: GPL-3.0-or-later
#include "grid/number_text.h"

#include <cstdlib>
#include <string>

namespace tarnwick {

std::optional<double> ParseNumberText(std::string_view text) {
  std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return std::nullopt;
  const std::size_t last = text.find_last_not_of(' ');
  text = text.substr(first, last - first + 1);

  std::size_t i = 0;
  if (text[0] == '+' || text[0] == '-') ++i;
  int digits = 0;
  bool point = false;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c >= '0' && c <= '9') {
      ++digits;
    } else if (c == '.' && !point) {
      point = true;
    } else {
      return std::nullopt;
    }
  }
  if (digits == 0) return std::nullopt;
  return std::strtod(std::string(text).c_str(), nullptr);
}

std::optional<double> ParseNumberText(const QString& text) {
  for (QChar c : text) {
    if (c.unicode() >= 0x80) return std::nullopt;
  }
  const QByteArray ascii = text.toLatin1();
  return ParseNumberText(std::string_view(ascii.constData(), static_cast<std::size_t>(ascii.size())));
}

}  // namespace tarnwick
