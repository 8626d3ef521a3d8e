// SPDX-License-Identifier: GPL-3.0-or-later
// Loading and saving a library of 65535 UPs (about 30 MB), each beside the plain read or the
// plain write + fsync of the same bytes in the same folder: the floor any loader or saver stands
// on. The program ends with the two ratios.
//
// The files go to a fresh folder under $TARNWICK_BENCH_DIR (default: the system's temporary
// folder), which is removed at the end.
//
// Every buffer of 1 MB or more is a fresh mapping of the memory allocator, as on the first load of
// a program run: the first-touch page faults of a new 30 MB record array are part of every
// iteration, for the loader and its baselines alike. With --warm the allocator is left alone; it
// then keeps freed pages for the next iteration of some benchmarks and not of others, depending
// on the order of their allocations, which makes those figures hard to compare.
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/resource.h>
#if defined(__GLIBC__)
#include <malloc.h>
#endif
#include <unistd.h>

#include "ratio_reporter.h"
#include "updata/up_file.h"
#include "updata/ups_file.h"

namespace {

namespace fs = std::filesystem;
using namespace tarnwick;

constexpr int kBenchUPCount = 65535;

// The bench folder with the 65535-UP file, made on first use.
class BenchFolder {
 public:
  BenchFolder();
  ~BenchFolder() {
    std::error_code ignored;
    fs::remove_all(root_, ignored);
  }
  std::string Path(const char* name) const { return (root_ / name).string(); }
  std::size_t FileSize() const { return file_size_; }
  const UPFile& Library() const { return library_; }

 private:
  fs::path root_;
  UPFile library_;
  std::size_t file_size_ = 0;
};

BenchFolder::BenchFolder() {
  const char* base = std::getenv("TARNWICK_BENCH_DIR");
  std::string pattern =
      ((base && *base) ? fs::path(base) : fs::temp_directory_path()) / "ups-bench-XXXXXX";
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot create " + pattern);
  root_ = pattern;
  SetUPCount(library_, kBenchUPCount);
  for (int id = 0; id < kBenchUPCount; ++id) {
    for (int i = 0; i < kUPRecordSize; ++i)
      library_.up(id)[i] = static_cast<std::uint8_t>(id * 7 + i);
  }
  if (!SaveUPSFile(library_, Path("library.ups")))
    throw std::runtime_error("cannot write the library");
  file_size_ = fs::file_size(Path("library.ups"));
}

const BenchFolder& Folder() {
  static const BenchFolder folder;
  return folder;
}

// Page faults so far: on a virtual machine each costs microseconds, and a fresh 30 MB buffer
// takes about 7300 of them, which can outweigh the copying itself.
long MinorFaults() {
  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  return usage.ru_minflt;
}

// Reports the page faults per iteration of the timed loop that began at `faults_before`.
void CountFaults(benchmark::State& state, long faults_before) {
  state.counters["faults"] = benchmark::Counter(static_cast<double>(MinorFaults() - faults_before),
                                                benchmark::Counter::kAvgIterations);
}

void BM_LoadUPSFile(benchmark::State& state) {
  const std::string path = Folder().Path("library.ups");
  UPFile file;
  const long faults_before = MinorFaults();
  for (auto _ : state) {
    if (!LoadUPSFile(file, path)) state.SkipWithError("the library did not load");
    benchmark::DoNotOptimize(file.records.data());
  }
  CountFaults(state, faults_before);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * Folder().FileSize()));
}

void BM_PlainRead(benchmark::State& state) {
  const std::string path = Folder().Path("library.ups");
  const std::size_t size = Folder().FileSize();
  const long faults_before = MinorFaults();
  for (auto _ : state) {
    std::unique_ptr<char[]> buffer(new char[size]);
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    std::size_t done = 0;
    for (ssize_t got = 1; fd >= 0 && got > 0 && done < size;
         done += static_cast<std::size_t>(got)) {
      got = ::read(fd, buffer.get() + done, size - done);
      if (got < 0) break;
    }
    ::close(fd);
    if (done != size) state.SkipWithError("plain read failed");
    benchmark::DoNotOptimize(buffer.get());
    benchmark::ClobberMemory();
  }
  CountFaults(state, faults_before);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
}

// The plain read again, into a record array that is zero-filled first, as a std::vector of
// records is: the part of the load's cost that comes from that extra pass over 30 MB.
void BM_ReadIntoZeroedRecords(benchmark::State& state) {
  const std::string path = Folder().Path("library.ups");
  const std::size_t records_size = Folder().FileSize() - kUPSHeaderSize;
  const long faults_before = MinorFaults();
  for (auto _ : state) {
    std::vector<UPRecord> records(kBenchUPCount);
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    const ssize_t got = ::pread(fd, records.data(), records_size, kUPSHeaderSize);
    ::close(fd);
    if (got != static_cast<ssize_t>(records_size)) state.SkipWithError("read failed");
    benchmark::DoNotOptimize(records.data());
    benchmark::ClobberMemory();
  }
  CountFaults(state, faults_before);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * Folder().FileSize()));
}

void BM_SaveUPSFile(benchmark::State& state) {
  UPFile file = Folder().Library();
  const std::string path = Folder().Path("saved.ups");
  for (auto _ : state) {
    if (!SaveUPSFile(file, path)) state.SkipWithError("the save failed");
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * Folder().FileSize()));
}

void BM_PlainWriteFsync(benchmark::State& state) {
  UPFile file = Folder().Library();
  const std::string bytes = SerializeUPSFile(file);
  const std::string path = Folder().Path("plain.ups");
  for (auto _ : state) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    std::size_t done = 0;
    for (ssize_t put = 1; fd >= 0 && put > 0 && done < bytes.size();
         done += static_cast<std::size_t>(put)) {
      put = ::write(fd, bytes.data() + done, bytes.size() - done);
      if (put < 0) break;
    }
    const bool synced = fd >= 0 && ::fsync(fd) == 0;
    ::close(fd);
    if (done != bytes.size() || !synced) state.SkipWithError("plain write failed");
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}

// Three repetitions each; the ratios use the fastest, which is the least disturbed by whatever
// else the machine is doing.
#define FILE_BENCHMARK(function) \
  BENCHMARK(function)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(3)

FILE_BENCHMARK(BM_LoadUPSFile);
FILE_BENCHMARK(BM_PlainRead);
FILE_BENCHMARK(BM_ReadIntoZeroedRecords);
FILE_BENCHMARK(BM_SaveUPSFile);
FILE_BENCHMARK(BM_PlainWriteFsync);

}  // namespace

// Removes `flag` from the arguments; true when it was there.
bool TakeFlag(int& argc, char** argv, const std::string& flag) {
  for (int i = 1; i < argc; ++i) {
    if (argv[i] != flag) continue;
    for (int j = i; j + 1 < argc; ++j) argv[j] = argv[j + 1];
    --argc;
    return true;
  }
  return false;
}

void UseFreshMappings() {
#if defined(__GLIBC__)
  // A fixed threshold also stops the allocator from raising it after the first large free.
  mallopt(M_MMAP_THRESHOLD, 1 << 20);
  std::cout << "cold: every buffer of 1 MB or more is a fresh mapping\n";
#else
  std::cout << "warm: fresh mappings cannot be forced with this C library\n";
#endif
}

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (!TakeFlag(argc, argv, "--warm")) UseFreshMappings();
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  tarnwick::bench::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  std::cout << '\n';
  tarnwick::bench::PrintRatio(std::cout, reporter, "BM_LoadUPSFile", "BM_PlainRead", 1.5);
  tarnwick::bench::PrintRatio(std::cout, reporter, "BM_LoadUPSFile", "BM_ReadIntoZeroedRecords",
                              1.5);
  tarnwick::bench::PrintRatio(std::cout, reporter, "BM_SaveUPSFile", "BM_PlainWriteFsync", 1.5);
  benchmark::Shutdown();
  return 0;
}
