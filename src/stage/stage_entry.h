// SPDX-License-Identifier: GPL-3.0-or-later
// One song of a set list: a UP of the set list's .UPS file, the name it had when it was added
// (so that it can be found again after the file changed), and the player's note.
#pragma once

#include <QString>
#include <vector>

namespace tarnwick {

enum class EntryState {
  Found,    // the UP at `id` still holds `name`
  Moved,    // `name` was found at another ID, and `id` follows it
  Missing,  // no UP of the file holds `name`: shown in red, skipped when stepping
};

struct StageEntry {
  int id = 0;
  QString name;  // trimmed
  QString note;
  EntryState state = EntryState::Found;

  bool operator==(const StageEntry&) const = default;
};

// The whole of a set list file: its .UPS (an absolute path, empty while none) and the entries.
struct StageSet {
  QString upsPath;
  std::vector<StageEntry> entries;
};

// The highest UP ID a file can hold.
inline constexpr int kLastUPId = 65534;

}  // namespace tarnwick
