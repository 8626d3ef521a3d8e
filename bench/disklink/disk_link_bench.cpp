// SPDX-License-Identifier: GPL-3.0-or-later
// What a Disk Link side costs: listing and sorting the 111 names (every filter key and sort
// click), and a rename through the header change.
#include <benchmark/benchmark.h>

#include <random>

#include "disklink/disk_link_edits.h"
#include "disklink/disk_link_list.h"

namespace tarnwick {
namespace {

UPSHeader NamedHeader() {
  UPSHeader header{};
  std::mt19937 random(3);
  for (int i = 0; i < kDiskLinkCount; ++i) {
    std::string name(8, ' ');
    for (char& c : name) c = static_cast<char>('A' + random() % 26);
    SetDiskLinkName(header, i, name);
  }
  return header;
}

void BM_ListAndSortByName(benchmark::State& state) {
  const UPSHeader header = NamedHeader();
  for (auto _ : state) {
    auto rows = ListDiskLinks(header, QString(), QStringLiteral("a"));
    SortDiskLinkRows(rows, 2, 2);
    benchmark::DoNotOptimize(rows.data());
  }
}
BENCHMARK(BM_ListAndSortByName);

void BM_RenameThroughHeaderChange(benchmark::State& state) {
  UPData data;
  data.files[0].header = NamedHeader();
  std::array<FileHistory, 2> history;
  HeaderChanges changes(data, history);
  int n = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(RenameDiskLink(changes, 0, n % kDiskLinkCount, QString::number(n)));
    if (++n % 4096 == 0) history[0].Reset();  // each rename is an undo step: keep the history small
  }
}
BENCHMARK(BM_RenameThroughHeaderChange);

}  // namespace
}  // namespace tarnwick

BENCHMARK_MAIN();
