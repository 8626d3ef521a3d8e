// SPDX-License-Identifier: GPL-3.0-or-later
#include "arguments.h"
#include "catalog/up_diff.h"
#include "catalog_commands.h"
#include "command.h"
#include "command_support.h"
#include "setlist/csv.h"
#include "updata/disk_link.h"

namespace tarnwick::upstool {
namespace {

constexpr int kExitDiffer = 1;
constexpr int kExitTrouble = 2;  // as diff(1): wrong use, or a file it cannot read

std::string Join(const std::vector<std::string>& fields, const char* separator) {
  std::string joined;
  for (const std::string& field : fields) joined += (joined.empty() ? "" : separator) + field;
  return joined;
}

std::string IDText(int id) { return id < 0 ? std::string() : std::to_string(id); }

std::string UPText(int id) {
  const std::string code = NumToUPBnk(id);
  return code.empty() ? "ID " + std::to_string(id) : "ID " + std::to_string(id) + " (" + code + ")";
}

// "ID 4 (A15) Piano12: tempo, UP3 tone", "ID 7 (A18) Jazz3: only in A", "A ID 3 / B ID 9 Waltz: name"
std::string UPLine(const UPDifference& d, bool byName) {
  std::string where;
  if (d.idA < 0) {
    where = UPText(d.idB);
  } else if (d.idB < 0 || !byName) {
    where = UPText(d.idA);
  } else {
    where = "A " + UPText(d.idA) + " / B " + UPText(d.idB);
  }
  const std::string name = StoredTextToUtf8(d.name);
  const std::string what = d.idB < 0 ? "only in A" : d.idA < 0 ? "only in B" : Join(d.fields, ", ");
  return where + (name.empty() ? "" : " " + name) + ": " + what + '\n';
}

void PrintText(const FileComparison& result, bool byName, std::ostream& out) {
  for (const UPDifference& d : result.ups) out << UPLine(d, byName);
  for (const DiskLinkDifference& link : result.diskLinks) {
    out << "Disk Link " << link.index << " (" << NumToDLBnk(link.index) << "): \"" << StoredTextToUtf8(link.nameA)
        << "\" / \"" << StoredTextToUtf8(link.nameB) << "\"\n";
  }
}

void PrintCsv(const FileComparison& result, std::ostream& out) {
  std::string csv = "kind,id_a,id_b,name,fields\n";
  for (const UPDifference& d : result.ups) {
    CsvRow row(csv);
    row.Text(d.idB < 0 ? "only_a" : d.idA < 0 ? "only_b" : "up");
    row.Text(IDText(d.idA));
    row.Text(IDText(d.idB));
    row.Text(StoredTextToUtf8(d.name));
    row.Text(Join(d.fields, ";"));
    row.End();
  }
  for (const DiskLinkDifference& link : result.diskLinks) {
    CsvRow row(csv);
    row.Text("disk_link");
    row.Number(link.index);
    row.Number(link.index);
    row.Text(StoredTextToUtf8(link.nameA) + " / " + StoredTextToUtf8(link.nameB));
    row.Text("name");
    row.End();
  }
  out << csv;
}

}  // namespace

int RunDiffCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const ParsedArguments parsed = ParseArguments(args, {{"A", "B"}, false, {"--by-name", "--csv"}});
  if (!parsed.error.empty()) return ReportUsageError(err, "diff", parsed.error);
  UPFile a, b;
  if (!LoadOrReport(a, parsed.operands[0], err) || !LoadOrReport(b, parsed.operands[1], err)) return kExitTrouble;
  const bool byName = parsed.Has("--by-name");
  const FileComparison result = CompareUPFiles(a, b, byName);
  if (parsed.Has("--csv")) {
    PrintCsv(result, out);
  } else {
    PrintText(result, byName, out);
  }
  if (FinishOutput(out, err, "diff") != kExitOk) return kExitTrouble;
  return result.identical() ? kExitOk : kExitDiffer;
}

}  // namespace tarnwick::upstool
