// SPDX-License-Identifier: GPL-3.0-or-later
// Figures for the UP file window with 65535 UPs per file. The core cases (row building, filter,
// sort, transfers) run without widgets; the window cases run the real window on Qt's offscreen
// platform and include the table model reset, re-selection and read-out.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <fstream>
#include <memory>
#include <random>
#include <string>

#include "state/app_state.h"
#include "support/recording_dialogs.h"
#include "upfile/frm_up_file.h"
#include "upfile/grid_filter.h"
#include "upfile/grid_sort.h"
#include "grid/grid_header_button.h"
#include "upfile/transfers.h"
#include "upfile/up_samples.h"

namespace tarnwick {
namespace {

// A full library with random 8-letter names, styles and songs, so sorts and filters see
// realistic texts rather than names in ID order.
UPFile RandomLibrary(unsigned seed) {
  std::mt19937 random(seed);
  const std::string letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789 ";
  auto word = [&] {
    std::string text;
    for (int i = 0; i < kText8Size; ++i) text += letters[random() % letters.size()];
    return text;
  };
  UPFile file;
  SetUPCount(file, kMaxUPCount);
  for (int id = 0; id < kMaxUPCount; ++id) {
    UPRecord& up = file.up(id);
    up = testing::SampleUP(id, word(), 20 + static_cast<int>(random() % 231));
    SetUPText8(up, kStyleNameOffset, word());
    SetUPText8(up, kSongNameOffset, word());
    up[field::SongLocation.offset] = static_cast<std::uint8_t>(random() % 7);
  }
  return file;
}

const UPFile& Library() {
  static const UPFile library = RandomLibrary(1);
  return library;
}

FilterTexts NameFilter(const char* text) {
  FilterTexts texts;
  texts[kColName] = QString::fromLatin1(text);
  return texts;
}

void BM_BuildRows(benchmark::State& state, FilterTexts texts, int sortCol, int sortDir) {
  const GridFilter filter(texts);
  std::size_t rows = 0;
  for (auto _ : state) {
    const std::vector<int> ids = BuildGridRows(Library(), filter, {}, sortCol, sortDir);
    rows = ids.size();
    benchmark::DoNotOptimize(ids.data());
  }
  state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK_CAPTURE(BM_BuildRows, all_by_id, FilterTexts{}, kColID, kSortAscending)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_BuildRows, name_filter, NameFilter("ab"), kColID, kSortAscending)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_BuildRows, all_by_name, FilterTexts{}, kColName, kSortAscending)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_BuildRows, all_by_song_desc, FilterTexts{}, kColSong, kSortDescending)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_BuildRows, all_by_tempo, FilterTexts{}, kColTempo, kSortAscending)
    ->Unit(benchmark::kMillisecond);

// A sort by a text column with the keys kept from the sort before, as a header click sorts: the
// keys are checked against the cells and only the changed ones made again (here none).
void BM_SortKeptKeys(benchmark::State& state, int sortCol) {
  std::vector<int> all(kMaxUPCount);
  for (int id = 0; id < kMaxUPCount; ++id) all[static_cast<std::size_t>(id)] = id;
  GridSortKeys keys;
  std::vector<int> warm = all;
  keys.sort(warm, Library(), sortCol, kSortAscending, {});
  int direction = kSortAscending;
  for (auto _ : state) {
    std::vector<int> ids = all;
    direction = direction == kSortAscending ? kSortDescending : kSortAscending;
    keys.sort(ids, Library(), sortCol, direction, {});
    benchmark::DoNotOptimize(ids.data());
  }
}
BENCHMARK_CAPTURE(BM_SortKeptKeys, name, kColName)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SortKeptKeys, song, kColSong)->Unit(benchmark::kMillisecond);

void BM_DeleteAll(benchmark::State& state) {
  std::vector<int> all(kMaxUPCount);
  for (int id = 0; id < kMaxUPCount; ++id) all[static_cast<std::size_t>(id)] = id;
  for (auto _ : state) {
    state.PauseTiming();
    UPFile file = Library();
    state.ResumeTiming();
    DeleteUPs(file, all);
    benchmark::DoNotOptimize(file.count);
  }
}
BENCHMARK(BM_DeleteAll)->Unit(benchmark::kMillisecond);

void BM_DeleteEveryOther(benchmark::State& state) {
  std::vector<int> odd;
  for (int id = 1; id < kMaxUPCount; id += 2) odd.push_back(id);
  for (auto _ : state) {
    state.PauseTiming();
    UPFile file = Library();
    state.ResumeTiming();
    DeleteUPs(file, odd);
    benchmark::DoNotOptimize(file.count);
  }
}
BENCHMARK(BM_DeleteEveryOther)->Unit(benchmark::kMillisecond);

void BM_Insert65534(benchmark::State& state) {
  std::vector<int> source(kMaxUPCount - 1);
  for (int id = 0; id < kMaxUPCount - 1; ++id) source[static_cast<std::size_t>(id)] = id;
  for (auto _ : state) {
    state.PauseTiming();
    UPFile target = testing::SampleFile(1);
    state.ResumeTiming();
    InsertUPs(Library(), source, target, 0);
    benchmark::DoNotOptimize(target.count);
  }
}
BENCHMARK(BM_Insert65534)->Unit(benchmark::kMillisecond);

// The same with a target whose array held a full library before (after a Delete, say), so no
// memory is new to the process: the transfer's own cost.
void BM_Insert65534_ReusedMemory(benchmark::State& state) {
  std::vector<int> source(kMaxUPCount - 1);
  for (int id = 0; id < kMaxUPCount - 1; ++id) source[static_cast<std::size_t>(id)] = id;
  UPFile target = Library();
  for (auto _ : state) {
    state.PauseTiming();
    SetUPCount(target, 1);
    state.ResumeTiming();
    InsertUPs(Library(), source, target, 0);
    benchmark::DoNotOptimize(target.count);
  }
}
BENCHMARK(BM_Insert65534_ReusedMemory)->Unit(benchmark::kMillisecond);

// What this machine takes to write 30 MB of memory new to the process: the floor of any
// transfer that grows a file into memory it never had.
void BM_TouchFreshMemory30MB(benchmark::State& state) {
  for (auto _ : state) {
    std::vector<UPRecord> fresh(static_cast<std::size_t>(kMaxUPCount));
    benchmark::DoNotOptimize(fresh.data());
  }
}
BENCHMARK(BM_TouchFreshMemory30MB)->Unit(benchmark::kMillisecond);

// The window over two full libraries on disk, built once for all window cases.
struct Window {
  Window() {
    state.programFolder = folder.path().toStdString();
    state.dataFolder = folder.path().toStdString();
    for (int f = 0; f < 2; ++f) {
      UPFile file = RandomLibrary(static_cast<unsigned>(f + 1));
      const std::string path = folder.filePath(QStringLiteral("full%1.ups").arg(f)).toStdString();
      SaveUPSFile(file, path);
      state.up.files[static_cast<std::size_t>(f)].path = path;
    }
    window = std::make_unique<frmUPFile>(state, dialogs, UPFilePanelFlags{}, [] { return false; });
    window->resize(1400, 900);
    window->show();
    QApplication::processEvents();  // exposed, so that repaint() really draws
  }
  QTemporaryDir folder;
  AppState state;
  testing::RecordingDialogs dialogs;
  std::unique_ptr<frmUPFile> window;
};

Window& TheWindow() {
  static Window* window = new Window;  // left to the process exit, after QApplication is gone
  return *window;
}

double ShownRows(int file) {
  const auto* counter = TheWindow().window->findChild<QLabel*>(QStringLiteral("lbl_IDCnt_%1").arg(file));
  return counter->text().toDouble();
}

void BM_WindowRefresh(benchmark::State& state) {
  frmUPFile& window = *TheWindow().window;
  for (auto _ : state) {
    window.Refresh_Grid_frmUPFile_UP(0);
    window.repaint();  // what the user waits for includes drawing the new rows
  }
  state.counters["rows"] = ShownRows(0);
}
BENCHMARK(BM_WindowRefresh)->Unit(benchmark::kMillisecond);

// One typed character in the name filter box: change handling, filter, refresh.
void BM_WindowNameKeystroke(benchmark::State& state) {
  auto* name = TheWindow().window->findChild<QLineEdit*>(QStringLiteral("txt_GridFilter_2"));
  bool longer = false;
  for (auto _ : state) {
    name->setText(longer ? QStringLiteral("ab") : QStringLiteral("a"));
    TheWindow().window->repaint();
    longer = !longer;
  }
  state.counters["rows"] = ShownRows(0);
  name->clear();
}
BENCHMARK(BM_WindowNameKeystroke)->Unit(benchmark::kMillisecond);

// A click on the Name header (ascending and descending in turn) of a full, unfiltered grid.
void BM_WindowSortByName(benchmark::State& state) {
  auto* header = TheWindow().window->findChild<GridHeaderButton*>(QStringLiteral("cmd_GridHeader_2"));
  const QPointF middle(header->width() / 2.0, header->height() / 2.0);
  for (auto _ : state) {
    QMouseEvent press(QEvent::MouseButtonPress, middle, header->mapToGlobal(middle), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, middle, header->mapToGlobal(middle), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(header, &press);
    QApplication::sendEvent(header, &release);
    TheWindow().window->repaint();
  }
}
BENCHMARK(BM_WindowSortByName)->Unit(benchmark::kMillisecond);

// Drawing the whole window into a picture: an upper bound for what a refresh adds on screen.
void BM_WindowDrawAll(benchmark::State& state) {
  frmUPFile& window = *TheWindow().window;
  for (auto _ : state) benchmark::DoNotOptimize(window.grab());
}
BENCHMARK(BM_WindowDrawAll)->Unit(benchmark::kMillisecond);

double ResidentMegabytes() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmRSS:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
  }
  return 0;
}

void BM_WindowMemory(benchmark::State& state) {
  TheWindow();
  for (auto _ : state) benchmark::DoNotOptimize(ResidentMegabytes());
  state.counters["resident_MB"] = ResidentMegabytes();
}
BENCHMARK(BM_WindowMemory)->Iterations(1);

// The edit panel filled for one UP: boxes, part table and tone table.
void BM_EditPanelReload(benchmark::State& state) {
  frmUPFile& window = *TheWindow().window;
  window.OpenEditPanel(0);
  for (auto _ : state) window.ReloadEditPanel();
  window.CloseEditPanel();
}
BENCHMARK(BM_EditPanelReload)->Unit(benchmark::kMicrosecond);

// Holding the Down arrow with the panel open: one row further, the read-out and the panel
// reloaded, and the window drawn again.
void BM_RowStepWithEditPanelOpen(benchmark::State& state) {
  frmUPFile& window = *TheWindow().window;
  auto* grid = window.findChild<QWidget*>(QStringLiteral("Grid_frmUPFile_UP_0"));
  window.SelectUPByID(0, 0);
  window.OpenEditPanel(0);
  QApplication::processEvents();
  int steps = 0;
  for (auto _ : state) {
    const Qt::Key key = (steps++ / 1000) % 2 == 0 ? Qt::Key_Down : Qt::Key_Up;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(grid, &press);
    window.repaint();
  }
  window.CloseEditPanel();
}
BENCHMARK(BM_RowStepWithEditPanelOpen)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarnwick
