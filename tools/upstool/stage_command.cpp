// SPDX-License-Identifier: GPL-3.0-or-later
#include "stage_command.h"

#include <QFileInfo>

#include "arguments.h"
#include "command.h"
#include "command_support.h"
#include "stage/entry_lookup.h"
#include "stage/set_list_json.h"
#include "stage/stage_export.h"

namespace tarnwick::upstool {

int RunStageCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const ParsedArguments parsed = ParseArguments(args, {{"FILE"}, false, {}, {}});
  if (!parsed.error.empty()) return ReportUsageError(err, "stage", parsed.error);
  const QString path = QString::fromStdString(parsed.operands[0]);
  SetListRead read = ReadSetListFile(path);
  if (!read.ok) {
    err << "upstool stage: " << parsed.operands[0] << ": " << read.message.toStdString() << '\n';
    return kExitFailure;
  }
  UPFile ups;
  const bool haveUPS = !read.set.upsPath.isEmpty() && LoadOrReport(ups, read.set.upsPath.toStdString(), err);
  if (haveUPS) ResolveEntries(read.set.entries, ups);
  const StageTable table = MakeStageTable(QFileInfo(path).fileName(), MakeStageRows(read.set.entries, haveUPS ? &ups : nullptr));
  out << StageCsv(table);
  return FinishOutput(out, err, "stage");
}

}  // namespace tarnwick::upstool
