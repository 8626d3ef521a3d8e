// SPDX-License-Identifier: GPL-3.0-or-later
// Builds UPS file images for tests: random bytes everywhere, then the magic and the count.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <string_view>

namespace tarnwick::testing {

inline std::string RandomBytes(std::size_t size, std::uint32_t seed) {
  std::mt19937 random(seed);
  std::string bytes(size, '\0');
  for (char& c : bytes) c = static_cast<char>(random() & 0xFF);
  return bytes;
}

// A file image of `count` UPs with random header and record bytes.
inline std::string MakeUPSImage(int count, std::string_view magic, std::uint32_t seed = 1) {
  std::string bytes = RandomBytes(1942 + 456 * static_cast<std::size_t>(count), seed);
  bytes.replace(0, magic.size(), magic);
  bytes[58] = static_cast<char>(count / 256);
  bytes[59] = static_cast<char>(count % 256);
  return bytes;
}

inline std::string MakeUPSImage(int count, std::uint32_t seed = 1) {
  return MakeUPSImage(count, count == 192 ? "USPrGMIL" : "*SPrGMIL", seed);
}

}  // namespace tarnwick::testing
