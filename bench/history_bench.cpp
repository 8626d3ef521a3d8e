// SPDX-License-Identifier: GPL-3.0-or-later
// Undo and redo on a library of 65535 UPs: deleting every UP (the step keeps the records) and
// undoing that, and a single-record edit with its undo. Aims: each half of the delete pair within
// 50 ms, an edit and its undo within 1 ms.
#include <benchmark/benchmark.h>

#include "updata/file_history.h"

namespace {

using namespace tarnwick;

UPFile FullLibrary() {
  UPFile file;
  SetUPCount(file, kMaxUPCount);
  for (int id = 0; id < file.count; ++id) file.up(id).fill(static_cast<std::uint8_t>(id));
  return file;
}

// What a Delete command does: keep the records it removes, remove them, record the step.
void DeleteAll(UPFile& file, FileHistory& history) {
  FileStep step{FileStep::Kind::Remove, "Delete of 65535 UPs", {}, {}, {}, {}};
  step.ids.resize(static_cast<std::size_t>(file.count));
  for (int id = 0; id < file.count; ++id) step.ids[static_cast<std::size_t>(id)] = id;
  step.before.assign(file.records.begin(), file.records.begin() + file.count);
  RemoveRecordsAt(file, step.ids);
  history.Record(std::move(step));
}

void BM_DeleteAllUPs(benchmark::State& state) {
  UPFile file = FullLibrary();
  FileHistory history;
  for (auto _ : state) {
    DeleteAll(file, history);
    state.PauseTiming();
    history.Undo(file);
    history.Reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_DeleteAllUPs)->Unit(benchmark::kMillisecond);

void BM_UndoDeleteAllUPs(benchmark::State& state) {
  UPFile file = FullLibrary();
  FileHistory history;
  for (auto _ : state) {
    state.PauseTiming();
    DeleteAll(file, history);
    state.ResumeTiming();
    history.Undo(file);
    benchmark::DoNotOptimize(file.count);
    state.PauseTiming();
    history.Reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_UndoDeleteAllUPs)->Unit(benchmark::kMillisecond);

void BM_EditAndUndo(benchmark::State& state) {
  UPFile file = FullLibrary();
  FileHistory history;
  UPRecord renamed{};
  renamed.fill(0x41);
  for (auto _ : state) {
    FileStep step{FileStep::Kind::Overwrite, "Rename of A14", {3}, {file.up(3)}, {renamed}, {}};
    file.up(3) = renamed;
    history.Record(std::move(step));
    history.Undo(file);
  }
}
BENCHMARK(BM_EditAndUndo)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
