// SPDX-License-Identifier: GPL-3.0-or-later
#include "arguments.h"
#include "command.h"
#include "command_support.h"
#include "commands.h"
#include "updata/ups_file.h"
#include "updata/atomic_file.h"

namespace tarnwick::upstool {

int RunSaveCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const ParsedArguments parsed = ParseArguments(args, {{"IN", "OUT"}, false, {"--force"}});
  if (!parsed.error.empty()) return ReportUsageError(err, "save", parsed.error);
  const std::string& in_path = parsed.operands[0];
  const std::string& out_path = parsed.operands[1];

  if (!parsed.Has("--force") && PathTaken(out_path)) {
    err << "upstool save: " << out_path << " already exists; add --force to replace it\n";
    return kExitFailure;
  }
  UPFile file;
  if (!LoadOrReport(file, in_path, err)) return kExitFailure;

  // The save goes to a temporary file beside OUT that replaces it only once complete.
  const FileResult saved = SaveUPSFile(file, out_path);
  if (!saved) {
    err << (saved.message.empty() ? "Error Saving File: " + out_path : OneLine(saved.message))
        << '\n';
    return kExitFailure;
  }
  out << out_path << ": saved " << DescribeUPCount(file.count) << '\n';
  return kExitOk;
}

}  // namespace tarnwick::upstool
