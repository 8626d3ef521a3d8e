// SPDX-License-Identifier: GPL-3.0-or-later
#include "arguments.h"
#include "command.h"
#include "command_support.h"
#include "commands.h"
#include "lists/list_builder.h"

namespace tarnwick::upstool {

int RunMakeListsCommand(const std::vector<std::string>& args, std::ostream& out,
                        std::ostream& err) {
  const ParsedArguments parsed = ParseArguments(args, {{"SRCDIR", "OUTDIR"}, false, {}});
  if (!parsed.error.empty()) return ReportUsageError(err, "make-lists", parsed.error);

  const std::string error = BuildNameLists(parsed.operands[0], parsed.operands[1]);
  if (!error.empty()) {
    err << OneLine(error) << '\n';
    return kExitFailure;
  }
  out << parsed.operands[1] << ": name lists written\n";
  return kExitOk;
}

}  // namespace tarnwick::upstool
