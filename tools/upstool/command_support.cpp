// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_support.h"

#include <algorithm>

#include "updata/ansi_text.h"
#include "command.h"

namespace tarnwick::upstool {

int ReportUsageError(std::ostream& err, std::string_view command, std::string_view problem) {
  err << "upstool " << command << ": " << problem << '\n';
  return kExitUsage;
}

std::string RefusalText(const FileResult& loaded, const std::string& path) {
  // The loader names every refusal; a bare failure still gets a text rather than an empty line.
  return loaded.message.empty() ? "Error Opening File: " + path : OneLine(loaded.message);
}

bool LoadOrReport(UPFile& file, const std::string& path, std::ostream& err) {
  const FileResult loaded = LoadUPSFile(file, path);
  if (!loaded) err << RefusalText(loaded, path) << '\n';
  return loaded.ok;
}

int FinishOutput(std::ostream& out, std::ostream& err, std::string_view command) {
  if (out.flush()) return kExitOk;
  err << "upstool " << command << ": the output could not be written completely\n";
  return kExitFailure;
}

std::string DescribeUPCount(int count) {
  if (count == kSetUPCount) return "set of 192 UPs";
  return "library of " + std::to_string(count) + " UPs";
}

std::string OneLine(std::string_view message) {
  std::string line;
  line.reserve(message.size());
  for (std::size_t i = 0; i < message.size(); ++i) {
    const char c = message[i];
    if (c == '\r' && i + 1 < message.size() && message[i + 1] == '\n') ++i;
    line += (c == '\r' || c == '\n') ? ' ' : c;
  }
  return line;
}

std::string StoredTextToUtf8(std::string_view ansi) {
  std::string text(ansi);
  std::replace(text.begin(), text.end(), '\0', ' ');
  return AnsiToUtf8(text);
}

}  // namespace tarnwick::upstool
