// SPDX-License-Identifier: GPL-3.0-or-later
// Undo and redo as the Disk Link view offers them. Each file keeps one history for all its
// changes, but this view takes back or brings again only its own steps (Disk Link names, the
// header's changes), so that nothing changes out of sight. Another view's step is named in the
// grid's menu, greyed, with the view it belongs to.
#pragma once

#include <QString>

#include "updata/file_history.h"

namespace tarnwick {

// Whether the view may apply `step` (nullptr: there is none).
bool IsDiskLinkStep(const FileStep* step);

struct DLHistoryEntry {
  QString text;  // "Undo Rename of C31", "Undo Delete of 3 UPs (in the User Program view)", "Undo"
  bool enabled = false;
};

DLHistoryEntry DLUndoEntry(const FileHistory& history);
DLHistoryEntry DLRedoEntry(const FileHistory& history);

}  // namespace tarnwick
