// SPDX-License-Identifier: GPL-3.0-or-later
// A set list of a full library (65535 UPs, about 1600 pages) and of a set (192 UPs) drawn as a
// PDF file at both print sizes. Aim: the full library within a few seconds, a set well under one.
#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "setlist/page_painter.h"
#include "setlist/set_list.h"

namespace {

using namespace tarnwick;

PageTable TableOf(int count) {
  UPFile file;
  SetUPCount(file, count);
  for (int id = 0; id < count; ++id) SetUPText8(file.up(id), kUPNameOffset, "UP" + std::to_string(id));
  return SetListPageTable({"Library.UPS", "2026-12-07", MakeSetListEntries(file)});
}

void BM_SetListPdf(benchmark::State& state) {
  const PageTable table = TableOf(static_cast<int>(state.range(0)));
  const PrintSize size = state.range(1) == 0 ? PrintSize::Normal : PrintSize::Large;
  std::size_t bytes = 0;
  for (auto _ : state) {
    const std::string pdf = PageTablePdf(table, PaperKind::A4, size);
    bytes = pdf.size();
    benchmark::DoNotOptimize(pdf.data());
  }
  state.counters["pdf_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_SetListPdf)->Args({192, 0})->Args({192, 1})->Args({65535, 0})->Args({65535, 1})
    ->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
