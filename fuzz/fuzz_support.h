// SPDX-License-Identifier: GPL-3.0-or-later
// What the fuzz targets share: a private folder for the files they hand to the loaders, and a
// loud stop when a check fails (libFuzzer keeps the input that caused it).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tarnwick::fuzz {

// A folder of this process, made on first use and removed at exit.
const std::string& PrivateFolder();

// Writes `bytes` as the whole content of `name` in the private folder; returns its path.
std::string WriteInput(std::string_view name, std::string_view bytes);

// Prints what went wrong and aborts.
[[noreturn]] void Fail(std::string_view what);

inline std::string_view AsText(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

}  // namespace tarnwick::fuzz
