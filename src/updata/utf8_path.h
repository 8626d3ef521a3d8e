// SPDX-License-Identifier: GPL-3.0-or-later
// Paths travel through the program as UTF-8 text; the file system wants its own path type.
#pragma once

#include <filesystem>
#include <string>

namespace tarnwick {

inline std::filesystem::path PathFromUtf8(const std::string& utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

inline std::string Utf8FromPath(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

}  // namespace tarnwick
