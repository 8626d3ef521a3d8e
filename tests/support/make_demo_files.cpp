// Writes two demo files for screenshots and manual trials: a full set of 192 UPs and a library.
#include <iostream>
#include <string>

#include "support/demo_library.h"
#include "updata/ups_file.h"

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::cerr << "usage: tarnwick-demo-files OUTDIR [LIBRARY_COUNT]\n";
    return 2;
  }
  const std::string folder = argv[1];
  const int libraryCount = argc == 3 ? std::stoi(argv[2]) : 3000;
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
