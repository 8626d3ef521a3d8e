// SPDX-License-Identifier: GPL-3.0-or-later
// Writing a file so that the old one survives any failure: the bytes go to a temporary file in
// the same folder, are flushed to the disk, and only then replace the target in one rename.
#pragma once

#include <cstddef>
#include <span>
#include <string>

namespace tarnwick {

struct ByteChunk {
  const void* data;
  std::size_t size;
};

// Writes the chunks, in order, as the whole new content of `path` (UTF-8). Returns false and
// leaves `path` as it was when anything fails; `error` then says what went wrong.
bool WriteFileAtomically(const std::string& path, std::span<const ByteChunk> chunks,
                         std::string* error = nullptr);

bool FileExists(const std::string& path);  // a regular file (or a link to one)

}  // namespace tarnwick
