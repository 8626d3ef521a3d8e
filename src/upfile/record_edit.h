// SPDX-License-Identifier: GPL-3.0-or-later
// Every change the user makes to a UP goes through ApplyRecordEdit: one record of one file,
// given as it was and as it is to become, recorded in the file's history so that it can be
// undone; the edits here are the four fields the user can change (name, style name, song name,
// tempo).
#pragma once

#include <QString>
#include <array>
#include <optional>
#include <string>

#include "updata/file_history.h"
#include "updata/up_file.h"

namespace tarnwick {

struct RecordEdit {
  int file = 0;
  int id = 0;
  UPRecord before{};
  UPRecord after{};
  std::string what;  // for the Undo and Redo menu entries: "Rename of A14"
};

// Writes `edit.after` over the record and records the change in the file's history (which marks
// the file modified). Writes nothing and returns false when before and after are the same, when
// the ID is not in the file, or when the stored record is no longer `edit.before` (an edit made
// on a record that has changed since).
bool ApplyRecordEdit(UPData& data, std::array<FileHistory, 2>& history, const RecordEdit& edit);

// "A14" for the first 192 UPs, "ID 523" beyond: how the Undo and Redo entries name a UP.
std::string UPNameForHistory(int id);

// The 8-bit form of a name typed by the user, or nothing when it cannot be stored as typed
// (StorableName of updata/ansi_text.h).
std::optional<std::string> EncodeText8(const QString& text);

// An 8-bit text as the player sees it: control bytes (NUL among them), which have no face of
// their own, shown as blanks.
QString ShownText8(const std::string& stored);

// The 8-character field at `offset` as a pop-up starts with it: shown as ShownText8 does, without
// the blanks around it (the song field as GetUPSongName gives it).
QString ShownField(const UPRecord& up, int offset);

// The edit that stores `text` (already trimmed by the pop-up) into the 8-character field at
// `offset`, or nothing when the text equals the field as shown (ShownField): accepting a pop-up
// without a change must not re-pad a stored name nor turn its odd bytes into blanks. Nothing, too, for a text EncodeText8 refuses.
std::optional<RecordEdit> TextFieldEdit(const UPData& data, int file, int id, int offset, const QString& text);

// The edit that stores `tempo` (clamped to 20..250), or nothing when it equals the stored tempo.
std::optional<RecordEdit> TempoEdit(const UPData& data, int file, int id, int tempo);

}  // namespace tarnwick
