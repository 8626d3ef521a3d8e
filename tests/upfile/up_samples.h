// SPDX-License-Identifier: GPL-3.0-or-later
// UP records and files for the tests: every record carries its own mark in bytes no field of the
// grid reads, so that a test can tell exactly which record ended up where.
#pragma once

#include <string>

#include "updata/up_file.h"
#include "updata/ups_file.h"

namespace tarnwick::testing {

inline constexpr int kMarkOffset = 300;  // two bytes the grid never shows

inline UPRecord SampleUP(int mark, const std::string& name = "UP", int tempo = 120) {
  UPRecord up{};
  up[kMarkOffset] = static_cast<std::uint8_t>(mark >> 8);
  up[kMarkOffset + 1] = static_cast<std::uint8_t>(mark & 0xFF);
  SetUPText8(up, kUPNameOffset, name);
  SetUPText8(up, kStyleNameOffset, "Style");
  SetUPText8(up, kSongNameOffset, std::string(kNoSong));
  SetUPTempo(up, tempo);
  return up;
}

inline int MarkOf(const UPRecord& up) { return up[kMarkOffset] << 8 | up[kMarkOffset + 1]; }

// A file of `count` UPs, each marked with its ID and named "UP<ID>".
inline UPFile SampleFile(int count, int firstMark = 0) {
  UPFile file;
  SetUPCount(file, count);
  for (int id = 0; id < count; ++id) {
    file.up(id) = SampleUP(firstMark + id, "UP" + std::to_string(id), 20 + id % 231);
  }
  return file;
}

inline bool WriteSampleFile(const std::string& path, int count, int firstMark = 0) {
  UPFile file = SampleFile(count, firstMark);
  return SaveUPSFile(file, path).ok;
}

}  // namespace tarnwick::testing
