// SPDX-License-Identifier: GPL-3.0-or-later
// Writes two demo files for screenshots and manual trials: a full set of 192 UPs and a library.
#include <charconv>
#include <iostream>
#include <string>
#include <string_view>

#include "support/demo_library.h"
#include "updata/ups_file.h"

namespace {

constexpr char kUsage[] =
    "usage: tarnwick-demo-files OUTDIR [LIBRARY_COUNT]\n"
    "Writes Gig.UPS (a set of 192 UPs) and Library.UPS (LIBRARY_COUNT UPs, 1..65535, default 3000)\n"
    "into the existing folder OUTDIR, replacing files of those names.\n";

int UsageError(const std::string& problem) {
  std::cerr << "tarnwick-demo-files: " << problem << '\n' << kUsage;
  return 2;
}

// LIBRARY_COUNT as a number of UPs, or 0 when it is none.
int ParseCount(std::string_view text) {
  int count = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), count);
  if (error != std::errc() || end != text.data() + text.size() || count < 1 || count > 65535) return 0;
  return count;
}

}  // namespace

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      std::cout << kUsage;
      return 0;
    }
    if (arg.size() > 1 && arg.front() == '-') return UsageError("unknown option '" + std::string(arg) + "'");
  }
  if (argc < 2) return UsageError("missing OUTDIR");
  if (argc > 3) return UsageError("unexpected argument '" + std::string(argv[3]) + "'");
  const std::string folder = argv[1];
  const int libraryCount = argc == 3 ? ParseCount(argv[2]) : 3000;
  if (libraryCount == 0) return UsageError("LIBRARY_COUNT must be a number from 1 to 65535");
  tarnwick::UPFile set = tarnwick::testing::MakeDemoFile(192, 1);
  tarnwick::UPFile library = tarnwick::testing::MakeDemoFile(libraryCount, 2);
  for (auto [file, name] : {std::pair{&set, "Gig.UPS"}, std::pair{&library, "Library.UPS"}}) {
    const tarnwick::FileResult result = tarnwick::SaveUPSFile(*file, folder + "/" + name);
    if (!result) {
      std::cerr << result.message << "\n";
      return 1;
    }
  }
  return 0;
}
