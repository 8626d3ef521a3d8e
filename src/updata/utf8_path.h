// SPDX-License-Identifier: GPL-3.0-or-later
// Paths travel through the program as UTF-8 text; the file system wants its own path type.
#pragma once

#include <filesystem>
#include <string>
#include <system_error>

namespace tarnwick {

inline std::filesystem::path PathFromUtf8(const std::string& utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

inline std::string Utf8FromPath(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

// Whether two paths name the same file: "c.UPS", "./c.UPS" and a link to it are one file. Two
// empty paths (no file on either side) count as the same, as the windows have always shown them.
inline bool SameFilePath(const std::string& a, const std::string& b) {
  if (a.empty() || b.empty()) return a.empty() && b.empty();
  // Made absolute first: the part of a relative path that does not exist would stay relative.
  std::error_code error;
  const auto resolved = [&error](const std::string& utf8) {
    const std::filesystem::path absolute = std::filesystem::absolute(PathFromUtf8(utf8), error);
    return error ? absolute : std::filesystem::weakly_canonical(absolute, error);
  };
  const std::filesystem::path first = resolved(a);
  const std::filesystem::path second = error ? first : resolved(b);
  return error ? a == b : first == second;
}

}  // namespace tarnwick
