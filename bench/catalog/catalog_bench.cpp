// SPDX-License-Identifier: GPL-3.0-or-later
// Figures for the UP catalog. The 1,000 demo sets are written once into a temporary folder.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QSqlQuery>
#include <QTableView>
#include <QTemporaryDir>
#include <filesystem>

#include "state/app_state.h"
#include "catalog/catalog_db.h"
#include "catalog/catalog_scan.h"
#include "catalog/catalog_store.h"
#include "findups/catalog_results_model.h"
#include "findups/frm_find_ups.h"
#include "support/demo_library.h"
#include "support/recording_dialogs.h"
#include "updata/ups_file.h"
#include "upfile/frm_up_file.h"
#include "upfile/record_edit.h"

namespace tarnwick {
namespace {

constexpr int kFiles = 1000;

struct Collection {
  Collection() {
    for (int k = 0; k < kFiles; ++k) {
      UPFile set = testing::MakeDemoFile(kSetUPCount, static_cast<std::uint32_t>(k + 1));
      const QString sub = folder.filePath(QStringLiteral("disk%1").arg(k / 50));
      std::filesystem::create_directories(sub.toStdString());
      SaveUPSFile(set, QStringLiteral("%1/Set%2.UPS").arg(sub).arg(k).toStdString());
    }
  }
  std::string ups() const { return folder.path().toStdString(); }
  QString catalogPath() const { return folder.filePath(QStringLiteral("catalog.sqlite")); }
  QTemporaryDir folder;
};

Collection& TheCollection() {
  static Collection* collection = new Collection;
  return *collection;
}

void RemoveCatalog(const QString& path) {
  for (const char* suffix : {"", "-wal", "-shm"}) QFile::remove(path + QLatin1String(suffix));
}

// The ups table and its key, without the full-text index.
double TableBytes(CatalogDb& catalog) {
  QSqlQuery query(catalog.db());
  if (query.exec(QStringLiteral("SELECT sum(pgsize) FROM dbstat WHERE name = 'ups'")) && query.next())
    return query.value(0).toDouble();
  return -1;  // SQLite built without dbstat
}

void BM_ColdScan1000Sets(benchmark::State& state) {
  Collection& collection = TheCollection();
  for (auto _ : state) {
    state.PauseTiming();
    RemoveCatalog(collection.catalogPath());
    state.ResumeTiming();
    CatalogDb catalog(collection.catalogPath());
    catalog.open();
    ScanControl control;
    const ScanReport report = ScanFolders(catalog, {collection.ups()}, control);
    benchmark::DoNotOptimize(report.read);
  }
  CatalogDb catalog(collection.catalogPath());
  catalog.open();
  QSqlQuery(catalog.db()).exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
  const double ups = static_cast<double>(CatalogStore(catalog).upCount());
  state.counters["ups"] = ups;
  state.counters["db_bytes_per_up"] = static_cast<double>(QFileInfo(collection.catalogPath()).size()) / ups;
  state.counters["table_bytes_per_up"] = TableBytes(catalog) / ups;
}
BENCHMARK(BM_ColdScan1000Sets)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

void BM_RescanNothingChanged(benchmark::State& state) {
  Collection& collection = TheCollection();
  CatalogDb catalog(collection.catalogPath());
  catalog.open();
  for (auto _ : state) {
    ScanControl control;
    benchmark::DoNotOptimize(ScanFolders(catalog, {collection.ups()}, control).unchanged);
  }
}
BENCHMARK(BM_RescanNothingChanged)->Unit(benchmark::kMillisecond)->UseRealTime();

// One typed character in the search box with the results painted; the words alternate so that
// every keystroke changes the hits.
void BM_SearchKeystroke192000UPs(benchmark::State& state) {
  static FrmFindUPs* window = [] {
    auto* w = new FrmFindUPs(TheCollection().catalogPath());
    w->resize(900, 700);
    w->setAttribute(Qt::WA_DontShowOnScreen, false);
    w->QWidget::show();
    QApplication::processEvents();
    return w;
  }();
  auto* box = window->findChild<QLineEdit*>(QStringLiteral("txt_FindUPs"));
  const QStringList typed = {QStringLiteral("p"), QStringLiteral("pi"), QStringLiteral("pia"), QStringLiteral("piano1"),
                             QStringLiteral("s"), QStringLiteral("sw"), QStringLiteral("swing tempo:120")};
  int k = 0;
  for (auto _ : state) {
    box->setText(typed[k++ % typed.size()]);
    window->resultsView().viewport()->repaint();
  }
  state.counters["rows"] = window->results().rowCount();
}
BENCHMARK(BM_SearchKeystroke192000UPs)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// Two full libraries compared: one rename, then both grids painted with their colours.
void BM_CompareAfterAnEdit65535UPs(benchmark::State& state) {
  static testing::RecordingDialogs dialogs;
  static AppState* app = [] {
    auto* s = new AppState;
    QTemporaryDir* folder = new QTemporaryDir;
    s->programFolder = s->dataFolder = folder->path().toStdString();
    for (int f = 0; f < 2; ++f) {
      UPFile library = testing::MakeDemoFile(kMaxUPCount, 7);  // equal but for the edits below
      const std::string path = folder->filePath(QStringLiteral("lib%1.UPS").arg(f)).toStdString();
      SaveUPSFile(library, path);
      s->up.files[static_cast<std::size_t>(f)].path = path;
    }
    return s;
  }();
  static frmUPFile* window = [] {
    auto* w = new frmUPFile(*app, dialogs, UPFilePanelFlags{}, [] { return false; });
    w->resize(1400, 900);
    w->show();
    w->setCompare(true);
    QApplication::processEvents();
    return w;
  }();
  int k = 0;
  for (auto _ : state) {
    const auto edit = TextFieldEdit(app->up, 1, 5, kUPNameOffset, (k++ % 2) ? QStringLiteral("Renamed") : QStringLiteral("Other"));
    window->ApplyEdit(edit);
    window->repaint();
  }
}
BENCHMARK(BM_CompareAfterAnEdit65535UPs)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarnwick
