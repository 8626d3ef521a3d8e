// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>

#include "arguments.h"
#include "command.h"
#include "command_support.h"
#include "commands.h"
#include "updata/disk_link.h"

namespace tarnwick::upstool {
namespace {

// The name as stored, as UTF-8. A tab or line break inside a name would split the output's
// columns or lines, so those show as blanks too; the name keeps its 8 characters.
std::string TabSeparatedName(const std::string& stored) {
  std::string name = stored;
  std::replace_if(
      name.begin(), name.end(), [](char c) { return c == '\t' || c == '\r' || c == '\n'; }, ' ');
  return StoredTextToUtf8(name);
}

}  // namespace

int RunDlCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const ParsedArguments parsed = ParseArguments(args, {{"FILE"}, false, {}});
  if (!parsed.error.empty()) return ReportUsageError(err, "dl", parsed.error);

  UPFile file;
  if (!LoadOrReport(file, parsed.operands[0], err)) return kExitFailure;

  for (int index = 0; index < kDiskLinkCount; ++index) {
    out << index << '\t' << NumToDLBnk(index) << '\t'
        << TabSeparatedName(GetDiskLinkName(file.header, index)) << '\n';
  }
  return FinishOutput(out, err, "dl");
}

}  // namespace tarnwick::upstool
