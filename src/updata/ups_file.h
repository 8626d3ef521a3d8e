// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing UPS files: a 1942-byte header followed by N records of 456 bytes. A file of
// exactly 192 UPs is an instrument set (magic "USPrGMIL"), any other count a UP library
// ("*SPrGMIL"). Failures come back as the text the user is to be shown; nothing here talks to
// the user directly.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "updata/up_file.h"

namespace tarnwick {

inline constexpr std::string_view kSetMagic = "USPrGMIL";
inline constexpr std::string_view kLibraryMagic = "*SPrGMIL";
inline constexpr std::string_view kG800Magic = "USPRG800";
inline constexpr std::string_view kLineBreak = "\r\n";
inline constexpr std::string_view kApplicationTitle = "Tarnwick";

struct FileResult {
  bool ok = false;
  std::string message;  // what to show the user when !ok; may be empty (nothing to show)
  explicit operator bool() const { return ok; }
};

// Replaces the content of `file` with the file at `path`; on failure `file` is left untouched.
FileResult LoadUPSFile(UPFile& file, const std::string& path);

// Asked before an existing file is replaced; gets the question text, returns true for Yes.
using OverwriteQuestion = std::function<bool(const std::string& question)>;
inline constexpr std::string_view kOverwriteTitle = "Save File";

// Writes `file` to `path` with the magic and count fitting its UP count (also stored into the
// header in memory). With `ask_overwrite` set, an existing file is replaced only when the
// question answers Yes. The old file survives every failure.
FileResult SaveUPSFile(UPFile& file, const std::string& path,
                       const OverwriteQuestion& ask_overwrite = nullptr);

// The bytes a save writes, for callers that need them without touching the disk.
std::string SerializeUPSFile(UPFile& file);

}  // namespace tarnwick
