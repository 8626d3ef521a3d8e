// SPDX-License-Identifier: GPL-3.0-or-later
#include "arguments.h"
#include "command.h"
#include "command_support.h"
#include "commands.h"
#include "up_list_csv.h"

namespace tarnwick::upstool {
namespace {

// Rows are gathered in a buffer and handed to the stream in large pieces: a library of 65535 UPs
// with the part columns is about 60 MB of text.
constexpr std::size_t kFlushSize = 1 << 16;

}  // namespace

int RunListCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const ParsedArguments parsed = ParseArguments(args, {{"FILE"}, false, {"--parts"}});
  if (!parsed.error.empty()) return ReportUsageError(err, "list", parsed.error);

  UPFile file;
  if (!LoadOrReport(file, parsed.operands[0], err)) return kExitFailure;

  const bool with_parts = parsed.Has("--parts");
  std::string csv;
  csv.reserve(2 * kFlushSize);
  AppendUPListHeader(csv, with_parts);
  for (int id = 0; id < file.count; ++id) {
    AppendUPListRow(csv, id, file.up(id), with_parts);
    if (csv.size() >= kFlushSize) {
      out << csv;
      csv.clear();
    }
  }
  out << csv;
  return FinishOutput(out, err, "list");
}

}  // namespace tarnwick::upstool
