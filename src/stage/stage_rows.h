// SPDX-License-Identifier: GPL-3.0-or-later
// The texts of a set list as a table: #, UP, Name, Style, Tempo, Song, Note. The same rows fill
// the view's table, its print and export, and upstool's CSV.
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

#include "stage/stage_entry.h"
#include "updata/up_file.h"

namespace tarnwick {

enum class StageColumn { Number, UP, Name, Style, Tempo, Song, Note };
inline constexpr int kStageColumnCount = 7;

// "#", "UP", "Name", "Style", "Tempo", "Song", "Note".
QString StageColumnTitle(StageColumn column);
QStringList StageColumnTitles();

struct StageRow {
  std::array<QString, kStageColumnCount> texts;
  EntryState state = EntryState::Found;
  const QString& text(StageColumn column) const { return texts[static_cast<std::size_t>(column)]; }
};

// `file` is the slot holding the set list's .UPS file, or null when none does: the rows then
// show the names kept in the list. A moved entry says so after its UP code; a missing one shows
// "missing" in its place.
std::vector<StageRow> MakeStageRows(const std::vector<StageEntry>& entries, const UPFile* file);

}  // namespace tarnwick
