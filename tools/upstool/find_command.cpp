// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <memory>

#include "arguments.h"
#include "catalog/catalog_db.h"
#include "catalog/catalog_scan.h"
#include "catalog/catalog_search.h"
#include "catalog_commands.h"
#include "command.h"
#include "command_support.h"
#include "setlist/csv.h"

namespace tarnwick::upstool {
namespace {

// Qt SQL loads its driver through the application object; the command makes one when upstool
// runs it without any.
std::unique_ptr<QCoreApplication> EnsureApplication() {
  if (QCoreApplication::instance() != nullptr) return nullptr;
  static int argc = 1;
  static char name[] = "upstool";
  static char* argv[] = {name, nullptr};
  QCoreApplication::setOrganizationName(QStringLiteral("Tarnwick"));
  QCoreApplication::setApplicationName(QStringLiteral("Tarnwick"));
  return std::make_unique<QCoreApplication>(argc, argv);
}

// The folders named with --in (kept for the next runs), or the stored ones. A named folder that
// does not exist is refused before anything is stored.
bool FoldersToScan(CatalogDb& catalog, const ParsedArguments& parsed, std::vector<std::string>& folders,
                   std::ostream& err) {
  QStringList named;
  for (const auto& [option, value] : parsed.values) {
    const QFileInfo folder(QString::fromStdString(value));
    if (!folder.isDir()) {
      err << "upstool find: no folder " << value << '\n';
      return false;
    }
    named << QDir::cleanPath(folder.absoluteFilePath());
  }
  CatalogStore store(catalog);
  for (const QString& folder : named) {
    store.addFolder(folder);
    folders.push_back(folder.toStdString());
  }
  if (folders.empty()) folders = StoredFolders(catalog);
  return true;
}

void PrintHit(std::ostream& out, const CatalogHit& hit, bool csv) {
  if (!csv) {
    out << hit.path.toStdString() << '\t' << hit.id << '\t' << hit.up.toStdString() << '\t' << hit.name.toStdString()
        << '\t' << hit.style.toStdString() << '\t' << hit.tempo << '\t' << hit.song.toStdString() << '\n';
    return;
  }
  std::string line;
  CsvRow row(line);
  row.Text(hit.path.toStdString());
  row.Number(hit.id);
  row.Text(hit.up.toStdString());
  row.Text(hit.name.toStdString());
  row.Text(hit.style.toStdString());
  row.Number(hit.tempo);
  row.Text(hit.song.toStdString());
  row.End();
  out << line;
}

void ReportScan(const ScanReport& scan, std::ostream& err, CatalogDb& catalog) {
  for (const std::string& path : scan.unreadable) err << "upstool find: cannot read " << path << '\n';
  for (const LoadProblem& problem : CatalogStore(catalog).loadProblems())
    err << "upstool find: " << problem.path.toStdString() << ": " << OneLine(problem.message.toStdString()) << '\n';
}

}  // namespace

int RunFindCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const ParsedArguments parsed = ParseArguments(args, {{"WORDS"}, true, {"--csv"}, {"--in"}, {"--in"}});
  if (!parsed.error.empty()) return ReportUsageError(err, "find", parsed.error);
  const auto application = EnsureApplication();
  CatalogDb catalog(CatalogDb::DefaultPath());
  const CatalogOpenResult opened = catalog.open();
  if (!opened.message.isEmpty()) err << "upstool find: " << OneLine(opened.message.toStdString()) << '\n';
  if (!opened.ok) return kExitFailure;

  std::vector<std::string> folders;
  if (!FoldersToScan(catalog, parsed, folders, err)) return kExitFailure;
  ScanControl control;
  const ScanReport scan = ScanFolders(catalog, folders, control);
  if (!scan.error.isEmpty()) {
    err << "upstool find: the catalog could not be written: " << scan.error.toStdString() << '\n';
    return kExitFailure;
  }
  ReportScan(scan, err, catalog);
  QStringList words;
  for (const std::string& word : parsed.operands) words << QString::fromStdString(word);
  const CatalogHits found = FindInCatalog(catalog, ParseSearchText(words.join(QLatin1Char(' '))), 1 << 30);
  if (!found.problem.isEmpty()) return ReportUsageError(err, "find", found.problem.toStdString());
  const bool csv = parsed.Has("--csv");
  if (csv) out << "file,id,up,name,style,tempo,song\n";
  for (const CatalogHit& hit : found.hits) PrintHit(out, hit, csv);
  return FinishOutput(out, err, "find");
}

}  // namespace tarnwick::upstool
