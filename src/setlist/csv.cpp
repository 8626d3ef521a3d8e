// SPDX-License-Identifier: GPL-3.0-or-later
#include "setlist/csv.h"

#include <charconv>

namespace tarnwick {

void AppendCsvField(std::string& csv, std::string_view field) {
  if (field.find_first_of(",\"\r\n") == std::string_view::npos) {
    csv += field;
    return;
  }
  csv += '"';
  for (const char c : field) {
    if (c == '"') csv += '"';
    csv += c;
  }
  csv += '"';
}

void CsvRow::Separate() {
  if (!first_) csv_ += ',';
  first_ = false;
}

void CsvRow::Text(std::string_view field) {
  Separate();
  AppendCsvField(csv_, field);
}

void CsvRow::SpreadsheetText(std::string_view field) {
  if (field.empty() || std::string_view("=+-@").find(field.front()) == std::string_view::npos) {
    Text(field);
    return;
  }
  Separate();
  csv_ += "\"'";
  for (const char c : field) {
    if (c == '"') csv_ += '"';
    csv_ += c;
  }
  csv_ += '"';
}

void CsvRow::Number(int value) {
  Separate();
  char digits[16];
  const auto written = std::to_chars(digits, digits + sizeof digits, value);
  csv_.append(digits, written.ptr);
}

}  // namespace tarnwick
