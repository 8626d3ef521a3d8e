// SPDX-License-Identifier: GPL-3.0-or-later
// The part tone lookup: a linear scan of the tone (or drum set) list for the three bytes a part
// selects, run for every row when the grid fills its tone column. Uses the lists that ship with
// the program when they can be found ($TARNWICK_DATA_DIR, else beside this program), else
// generated lists of the same size.
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "lists/name_lists.h"
#include "updata/up_record.h"

namespace {

namespace fs = std::filesystem;
using namespace tarnwick;

constexpr int kGridRows = 65535;

std::string ShippedListFolder() {
  const char* data_dir = std::getenv("TARNWICK_DATA_DIR");
  if (data_dir && *data_dir) return data_dir;
  std::error_code ec;
  return fs::read_symlink("/proc/self/exe", ec).parent_path().string();
}

// Distinct bytes for every entry, blank-padded names, as the builder would make them.
void GenerateLists(NameTables& tables) {
  for (int i = 0; i < kToneCount; ++i) {
    tables.tones[i] = {static_cast<std::uint8_t>(i / 128), static_cast<std::uint8_t>(i % 4),
                       static_cast<std::uint8_t>(1 + i % 128), "Tone " + std::to_string(i)};
    tables.tones[i].name.resize(12, ' ');
  }
  for (int i = 0; i < kDrumSetCount; ++i) {
    tables.drumSets[i] = {0, 0, static_cast<std::uint8_t>(1 + i), "Drums " + std::to_string(i)};
    tables.drumSets[i].name.resize(12, ' ');
  }
}

struct Lists {
  NameTables tables;
  bool shipped = false;
};

const Lists& TheLists() {
  static const Lists lists = [] {
    Lists made;
    const std::string folder = ShippedListFolder();
    made.shipped =
        LoadToneList(made.tables, folder).empty() && LoadDrumSetList(made.tables, folder).empty();
    if (!made.shipped) {
      made.tables = NameTables{};
      GenerateLists(made.tables);
      IndexNameTables(made.tables);
    }
    return made;
  }();
  return lists;
}

// Sets `part` of `up` to select the list entry's bytes (the record stores the program from 0).
void SelectEntry(UPRecord& up, int part, const ToneEntry& entry) {
  up[161 + 3 * part] = entry.msb & 0x7F;
  up[162 + 3 * part] = entry.lsb & 0x7F;
  up[163 + 3 * part] = static_cast<std::uint8_t>((entry.program - 1) & 0x7F);
}

// UPs whose part 0 selects random entries of the tone list: a spread of scan lengths.
std::vector<UPRecord> UPsSelectingListedTones(int count) {
  std::mt19937 random(2038);
  std::vector<UPRecord> ups(static_cast<std::size_t>(count));
  for (UPRecord& up : ups)
    SelectEntry(up, kPartUP1, TheLists().tables.tones[random() % kToneCount]);
  return ups;
}

void LabelLists(benchmark::State& state) {
  state.SetLabel(TheLists().shipped ? "shipped lists" : "generated lists");
}

void BM_PartToneLookupListed(benchmark::State& state) {
  const std::vector<UPRecord> ups = UPsSelectingListedTones(4096);
  std::size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(GetPartToneName(TheLists().tables, ups[next], kPartUP1));
    next = (next + 1) % ups.size();
  }
  LabelLists(state);
}

// The same lookups without the index: the plain scan from entry 0 that the index stands in for.
void BM_PartToneLookupListedScan(benchmark::State& state) {
  NameTables unindexed = TheLists().tables;
  unindexed.toneIndex = {};
  unindexed.drumSetIndex = {};
  const std::vector<UPRecord> ups = UPsSelectingListedTones(4096);
  std::size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(GetPartToneName(unindexed, ups[next], kPartUP1));
    next = (next + 1) % ups.size();
  }
  LabelLists(state);
}

// A tone no list entry has: the whole list is scanned.
void BM_PartToneLookupUnlisted(benchmark::State& state) {
  UPRecord up{};
  SelectEntry(up, kPartUP1, {125, 127, 128, ""});
  for (auto _ : state) benchmark::DoNotOptimize(GetPartToneName(TheLists().tables, up, kPartUP1));
  LabelLists(state);
}

void BM_PartToneLookupDrumSet(benchmark::State& state) {
  UPRecord up{};
  SelectEntry(up, kPartMDR, TheLists().tables.drumSets[kDrumSetCount / 2]);
  for (auto _ : state) benchmark::DoNotOptimize(GetPartToneName(TheLists().tables, up, kPartMDR));
  LabelLists(state);
}

// The grid's tone column for a file of 65535 UPs: one decorated lookup per row.
void BM_PartToneColumn65535(benchmark::State& state) {
  const std::vector<UPRecord> ups = UPsSelectingListedTones(kGridRows);
  for (auto _ : state) {
    for (const UPRecord& up : ups)
      benchmark::DoNotOptimize(GetPartToneNameArr(TheLists().tables, up, kPartUP1));
  }
  LabelLists(state);
}

BENCHMARK(BM_PartToneLookupListed);
BENCHMARK(BM_PartToneLookupListedScan);
BENCHMARK(BM_PartToneLookupUnlisted);
BENCHMARK(BM_PartToneLookupDrumSet);
BENCHMARK(BM_PartToneColumn65535)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
