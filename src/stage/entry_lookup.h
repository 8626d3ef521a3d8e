// SPDX-License-Identifier: GPL-3.0-or-later
// Finding the entries of a set list again in their .UPS file, which may have changed since the
// list was made: UPs inserted or deleted before a song move it to another ID.
#pragma once

#include <QString>
#include <vector>

#include "stage/stage_entry.h"
#include "updata/up_file.h"

namespace tarnwick {

// The UP's name as shown (UTF-8, trimmed); empty for an ID the file does not hold.
QString UPNameAt(const UPFile& file, int id);

// For each entry: its ID still holds its name: Found. Else the first UP with that name: Moved,
// and the ID follows it. Else Missing (the ID is kept).
void ResolveEntries(std::vector<StageEntry>& entries, const UPFile& file);

}  // namespace tarnwick
