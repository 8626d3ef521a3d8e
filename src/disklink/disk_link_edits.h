// SPDX-License-Identifier: GPL-3.0-or-later
// Renaming a Disk Link entry and copying names from one file's selection to the other's. Both
// build the new header and hand it to HeaderChanges, so the file is marked modified.
#pragma once

#include <QString>

#include <optional>
#include <string>
#include <vector>

#include "disklink/header_change.h"

namespace tarnwick {

// The 8-byte field a typed name is stored as: cut at 8 characters, left-aligned, blank-padded;
// nothing when a character cannot be stored (updata/ansi_text.h), which is then refused whole.
std::optional<std::string> DiskLinkField(const QString& text);
// The stored 8 bytes as shown on screen (untrimmed).
QString DiskLinkShown(const std::string& field);

// Sets entry `index` of `file` to `text`. False when nothing changed (same name, bad index, a
// name that cannot be stored).
bool RenameDiskLink(HeaderChanges& changes, int file, int index, const QString& text);

// Copies names from `source` to the other file: target entry targetIds[k] gets the name of source
// entry sourceIds[k]. The two lists must be equally long and non-empty. False when nothing changed.
bool CopyDiskLinkNames(HeaderChanges& changes, int source, const std::vector<int>& sourceIds,
                       const std::vector<int>& targetIds);

}  // namespace tarnwick
