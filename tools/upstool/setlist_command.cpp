// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdlib>
#include <ctime>
#include <filesystem>

#include "arguments.h"
#include "command.h"
#include "command_support.h"
#include "commands.h"
#include "setlist/set_list_file.h"
#include "updata/atomic_file.h"
#include "updata/utf8_path.h"

namespace tarnwick::upstool {
namespace {

// Today's date in the local time zone, or the date of SOURCE_DATE_EPOCH when it is set, so that
// a list made by a build script comes out the same every time.
std::string Today() {
  std::time_t now = std::time(nullptr);
  if (const char* epoch = std::getenv("SOURCE_DATE_EPOCH")) now = static_cast<std::time_t>(std::atoll(epoch));
  char text[16];
  std::tm parts{};
  localtime_r(&now, &parts);
  std::strftime(text, sizeof text, "%Y-%m-%d", &parts);
  return text;
}

std::string FileTitle(const std::string& path) { return Utf8FromPath(PathFromUtf8(path).filename()); }

}  // namespace

int RunSetListCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const ParsedArguments parsed = ParseArguments(args, {{"FILE"}, false, {}, {"-o", "--sort", "--paper"}});
  if (!parsed.error.empty()) return ReportUsageError(err, "setlist", parsed.error);
  const std::string outPath = parsed.Value("-o");
  const SetListFormat format = SetListFormatOf(outPath);
  if (outPath.empty()) return ReportUsageError(err, "setlist", "-o OUT is required");
  if (format == SetListFormat::None) {
    return ReportUsageError(err, "setlist", "OUT must end in .pdf, .csv or .html, not \"" + outPath + "\"");
  }
  const std::string sortName = parsed.Value("--sort");
  const auto sortColumn = sortName.empty() ? SetListColumn::ID : SetListColumnByName(sortName);
  if (!sortColumn) {
    return ReportUsageError(err, "setlist", "--sort takes id, up, name, style, tempo or song, not \"" + sortName + "\"");
  }
  const std::string paperName = parsed.Value("--paper");
  if (!paperName.empty() && paperName != "a4" && paperName != "letter") {
    return ReportUsageError(err, "setlist", "--paper takes a4 or letter, not \"" + paperName + "\"");
  }

  UPFile file;
  if (!LoadOrReport(file, parsed.operands[0], err)) return kExitFailure;
  SetList list{FileTitle(parsed.operands[0]), Today(), MakeSetListEntries(file)};
  SortSetList(list.entries, *sortColumn);
  const std::string bytes = RenderSetList(list, format, paperName == "letter" ? kPaperLetter : kPaperA4);
  const ByteChunk chunk{bytes.data(), bytes.size()};
  std::string error;
  if (!WriteFileAtomically(outPath, {&chunk, 1}, &error)) {
    err << "upstool setlist: cannot write " << outPath << ": " << error << '\n';
    return kExitFailure;
  }
  out << list.entries.size() << " UPs written to " << outPath << '\n';
  return FinishOutput(out, err, "setlist");
}

}  // namespace tarnwick::upstool
