// SPDX-License-Identifier: GPL-3.0-or-later
// UP files for the Stage tests: named UPs in a file slot, saved where a set list can find them.
#pragma once

#include <initializer_list>
#include <string>

#include "updata/up_file.h"
#include "updata/up_record.h"
#include "updata/ups_file.h"

namespace tarnwick::testing {

// `names` become UPs 0, 1, 2, ... of `file`.
inline void FillNamedUPs(UPFile& file, std::initializer_list<const char*> names) {
  SetUPCount(file, static_cast<int>(names.size()));
  int id = 0;
  for (const char* name : names) SetUPText8(file.up(id++), kUPNameOffset, name);
}

inline bool SaveNamedUPs(UPFile& file, const std::string& path, std::initializer_list<const char*> names) {
  FillNamedUPs(file, names);
  file.path = path;
  return SaveUPSFile(file, path).ok;
}

}  // namespace tarnwick::testing
