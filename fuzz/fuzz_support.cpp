// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzz_support.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <unistd.h>

namespace tarnwick::fuzz {
namespace {

std::string MakePrivateFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "tarnwick-fuzz-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) Fail("cannot create a private folder");
  return pattern;
}

void RemovePrivateFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(PrivateFolder(), ignored);
}

}  // namespace

const std::string& PrivateFolder() {
  static const std::string folder = MakePrivateFolder();
  // Registered after the folder's name exists, so the removal runs before that name is destroyed.
  static const bool removal_registered = std::atexit(RemovePrivateFolder) == 0;
  (void)removal_registered;
  return folder;
}

std::string WriteInput(std::string_view name, std::string_view bytes) {
  const std::string path = PrivateFolder() + "/" + std::string(name);
  // A fresh file rather than a truncated one: ext4 flushes a truncated-and-rewritten file to disk
  // on close, which would make every run wait for the disk.
  ::unlink(path.c_str());
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  file.close();
  if (!file) Fail("cannot write " + path);
  return path;
}

void Fail(std::string_view what) {
  std::fprintf(stderr, "fuzz check failed: %.*s\n", static_cast<int>(what.size()), what.data());
  std::abort();
}

}  // namespace tarnwick::fuzz
