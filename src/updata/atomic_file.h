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
// leaves `path` as it was when anything fails; `error` then says what went wrong. A link at
// `path` stays a link: the file it leads to is replaced. Only a regular file is replaced (a
// device node, pipe, socket or folder is refused), and it keeps its mode, owner and group.
bool WriteFileAtomically(const std::string& path, std::span<const ByteChunk> chunks,
                         std::string* error = nullptr);

bool FileExists(const std::string& path);  // a regular file (or a link to one)
bool PathTaken(const std::string& path);   // anything at all, even a link that leads nowhere
// Both paths lead to one existing file (the same device and inode, links followed).
bool SameFile(const std::string& first, const std::string& second);

}  // namespace tarnwick
