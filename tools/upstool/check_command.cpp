// SPDX-License-Identifier: GPL-3.0-or-later
#include "arguments.h"
#include "command.h"
#include "command_support.h"
#include "commands.h"
#include "updata/ups_file.h"

namespace tarnwick::upstool {

int RunCheckCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const ParsedArguments parsed = ParseArguments(args, {{"FILE"}, true, {}});
  if (!parsed.error.empty()) return ReportUsageError(err, "check", parsed.error);

  int exit_code = kExitOk;
  for (const std::string& path : parsed.operands) {
    UPFile file;
    const FileResult loaded = LoadUPSFile(file, path);
    if (loaded) {
      out << path << ": " << DescribeUPCount(file.count) << '\n';
      continue;
    }
    out << path << ": refused: " << RefusalText(loaded, path) << '\n';
    exit_code = kExitFailure;
  }
  // A report that did not reach its reader is a failure, whatever it said.
  const int written = FinishOutput(out, err, "check");
  return written != kExitOk ? written : exit_code;
}

}  // namespace tarnwick::upstool
