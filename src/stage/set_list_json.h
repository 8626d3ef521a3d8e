// SPDX-License-Identifier: GPL-3.0-or-later
// The set list file (*.tarnwick-set): UTF-8 JSON that scripts and other players can write too.
//   {"format": "tarnwick-set", "version": 1, "ups": "Gig.UPS",
//    "entries": [{"id": 12, "name": "Rock94", "note": "intro B"}]}
// "ups" is relative to the set list file's folder, or absolute. A file that breaks any rule is
// refused as a whole with a message that says which rule.
#pragma once

#include <QByteArray>
#include <QString>

#include "stage/stage_entry.h"

namespace tarnwick {

inline constexpr int kSetListVersion = 1;

struct SetListRead {
  bool ok = false;
  QString message;  // why it was refused
  StageSet set;
};

// `setFolder` is where the file lies: relative "ups" paths are read against it.
SetListRead ParseSetList(const QByteArray& bytes, const QString& setFolder);
QByteArray SetListJson(const StageSet& set, const QString& setFolder);

SetListRead ReadSetListFile(const QString& path);
// Writes the whole file or nothing (the old file survives any failure); false with `message`.
bool WriteSetListFile(const QString& path, const StageSet& set, QString& message);

}  // namespace tarnwick
