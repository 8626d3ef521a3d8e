// SPDX-License-Identifier: GPL-3.0-or-later
#include "stage/entry_lookup.h"

#include <QHash>

#include "setlist/set_list.h"

namespace tarnwick {

QString UPNameAt(const UPFile& file, int id) {
  if (id < 0 || id >= file.count) return {};
  return QString::fromStdString(MakeSetListEntries(file, {id}).front().name);
}

namespace {

// Each name's first ID, built once and only when some entry has to be looked for.
QHash<QString, int> FirstIDsByName(const UPFile& file) {
  QHash<QString, int> ids;
  const std::vector<SetListEntry> all = MakeSetListEntries(file);
  // Backwards, so that the lowest ID of a name is the one that stays.
  for (auto it = all.rbegin(); it != all.rend(); ++it) ids[QString::fromStdString(it->name)] = it->id;
  return ids;
}

}  // namespace

void ResolveEntries(std::vector<StageEntry>& entries, const UPFile& file) {
  QHash<QString, int> byName;
  bool built = false;
  for (StageEntry& entry : entries) {
    if (entry.id < file.count && UPNameAt(file, entry.id) == entry.name) {
      entry.state = EntryState::Found;
      continue;
    }
    if (!built) {
      byName = FirstIDsByName(file);
      built = true;
    }
    const auto found = byName.constFind(entry.name);
    entry.state = found == byName.constEnd() ? EntryState::Missing : EntryState::Moved;
    if (found != byName.constEnd()) entry.id = *found;
  }
}

}  // namespace tarnwick
