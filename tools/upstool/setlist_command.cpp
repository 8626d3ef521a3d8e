// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdlib>
#include <ctime>
#include <filesystem>

#include "arguments.h"
#include "command.h"
#include "command_support.h"
#include "commands.h"
#include "offscreen_gui.h"
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

struct SetListRequest {
  std::string in;
  std::string out;
  SetListFormat format = SetListFormat::None;
  SetListColumn sort = SetListColumn::ID;
  PaperKind paper = PaperKind::A4;
  PrintSize size = PrintSize::Normal;
  bool force = false;
};

// The request the words make, or the usage problem in `problem`.
SetListRequest ReadRequest(const std::vector<std::string>& args, std::string& problem) {
  const ParsedArguments parsed =
      ParseArguments(args, {{"FILE"}, false, {"--force", "--large"}, {"-o", "--sort", "--paper"}});
  SetListRequest request;
  problem = parsed.error;
  if (!problem.empty()) return request;
  request = {parsed.operands[0], parsed.Value("-o")};
  request.format = SetListFormatOf(request.out);
  request.force = parsed.Has("--force");
  request.size = parsed.Has("--large") ? PrintSize::Large : PrintSize::Normal;
  const std::string sortName = parsed.Value("--sort");
  const auto sortColumn = sortName.empty() ? SetListColumn::ID : SetListColumnByName(sortName);
  const std::string paperName = parsed.Value("--paper");
  request.paper = paperName == "letter" ? PaperKind::Letter : PaperKind::A4;
  if (request.out.empty()) {
    problem = "-o OUT is required";
  } else if (request.format == SetListFormat::None) {
    problem = "OUT must end in .pdf, .csv or .html, not \"" + request.out + "\"";
  } else if (!sortColumn) {
    problem = "--sort takes id, up, name, style, tempo or song, not \"" + sortName + "\"";
  } else if (!paperName.empty() && paperName != "a4" && paperName != "letter") {
    problem = "--paper takes a4 or letter, not \"" + paperName + "\"";
  } else {
    request.sort = *sortColumn;
  }
  return request;
}

// OUT is written only where it replaces nothing the user did not give up: never the input,
// something else only with --force.
bool OutAllowed(const SetListRequest& request, std::ostream& err) {
  if (SameFile(request.in, request.out)) {
    err << "upstool setlist: " << request.out << " is the input file; nothing was written\n";
    return false;
  }
  if (!request.force && PathTaken(request.out)) {
    err << "upstool setlist: " << request.out << " already exists; add --force to replace it\n";
    return false;
  }
  return true;
}

}  // namespace

int RunSetListCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::string problem;
  const SetListRequest request = ReadRequest(args, problem);
  if (!problem.empty()) return ReportUsageError(err, "setlist", problem);
  if (!OutAllowed(request, err)) return kExitFailure;

  UPFile file;
  if (!LoadOrReport(file, request.in, err)) return kExitFailure;
  SetList list{FileTitle(request.in), Today(), MakeSetListEntries(file)};
  SortSetList(list.entries, request.sort);
  if (request.format == SetListFormat::Pdf) EnsureOffscreenGui();
  const std::string bytes = RenderSetList(list, request.format, request.paper, request.size);
  const ByteChunk chunk{bytes.data(), bytes.size()};
  std::string error = "the pages could not be drawn";
  if (bytes.empty() || !WriteFileAtomically(request.out, {&chunk, 1}, &error)) {
    err << "Error Saving File: " << request.out << ": " << error << '\n';
    return kExitFailure;
  }
  out << list.entries.size() << " UPs written to " << request.out << '\n';
  return FinishOutput(out, err, "setlist");
}

}  // namespace tarnwick::upstool
