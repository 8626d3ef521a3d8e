// SPDX-License-Identifier: GPL-3.0-or-later
// Build-time generator of the installation data: the four name list files from the text tables
// of this folder, and DefaultNewFile.upt, the empty UP library that a new file starts from.
//
//   tarnwick-datagen SRCDIR OUTDIR

#include <filesystem>
#include <iostream>
#include <string>

#include "lists/list_builder.h"
#include "updata/up_file.h"
#include "updata/ups_file.h"

namespace {

constexpr char kTemplateFile[] = "DefaultNewFile.upt";

// A library of no UPs: magic and count come from the save, the Disk Link names are blank and
// every other header byte is 0.
std::string WriteTemplate(const std::string& outDir) {
  using namespace tarnwick;
  UPFile empty;
  for (int i = 0; i < kDiskLinkCount; ++i) SetDiskLinkName(empty.header, i, "");
  const std::filesystem::path path =
      std::filesystem::path(std::u8string(outDir.begin(), outDir.end())) / kTemplateFile;
  const std::u8string text = path.u8string();
  const FileResult saved = SaveUPSFile(empty, std::string(text.begin(), text.end()));
  return saved ? std::string{} : saved.message;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: tarnwick-datagen SRCDIR OUTDIR\n";
    return 2;
  }
  std::string error = tarnwick::BuildNameLists(argv[1], argv[2]);
  if (error.empty()) error = WriteTemplate(argv[2]);
  if (!error.empty()) {
    std::cerr << "tarnwick-datagen: " << error << '\n';
    return 1;
  }
  return 0;
}
