// SPDX-License-Identifier: GPL-3.0-or-later
// Writing CSV as RFC 4180 has it: comma separated, "\n" line ends, a field quoted when it holds a
// comma, a quote, CR or LF, with its quotes doubled.
#pragma once

#include <string>
#include <string_view>

namespace tarnwick {

// Appends `field` to `csv` in its CSV form (quoted only where needed).
void AppendCsvField(std::string& csv, std::string_view field);

// Builds one row at the end of a buffer: fields in order, then End().
class CsvRow {
 public:
  explicit CsvRow(std::string& csv) : csv_(csv) {}
  void Text(std::string_view field);
  // A text that a spreadsheet is to show as text: one beginning with =, +, - or @ (which a
  // spreadsheet would run as a formula) is quoted with an apostrophe first inside the quotes.
  void SpreadsheetText(std::string_view field);
  void Number(int value);
  void End() { csv_ += '\n'; }

 private:
  void Separate();

  std::string& csv_;
  bool first_ = true;
};

}  // namespace tarnwick
