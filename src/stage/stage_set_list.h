// SPDX-License-Identifier: GPL-3.0-or-later
// The set list being built and played: its entries, its file, its .UPS file and its history.
// Every change goes through here, so that each can be undone and marks the list unsaved. Any
// window may add UPs (the UP grids' menu and drag, a search's results): Append is the way in.
#pragma once

#include <QObject>
#include <QString>
#include <vector>

#include "stage/stage_entry.h"
#include "stage/stage_history.h"
#include "updata/up_file.h"

namespace tarnwick {

class StageSetList : public QObject {
  Q_OBJECT

 public:
  explicit StageSetList(const UPData& data, QObject* parent = nullptr);

  const std::vector<StageEntry>& entries() const { return entries_; }
  int size() const { return static_cast<int>(entries_.size()); }
  const QString& path() const { return path_; }        // the set list file; empty before a save
  const QString& upsPath() const { return upsPath_; }  // its .UPS file
  bool modified() const { return history_.Modified(); }
  // The file slot (0 or 1) that holds the .UPS file now, or -1.
  int upsSlot() const;
  const UPData& data() const { return data_; }

  // Adds the UPs `ids` of file slot `slot` at the end (Append) or before `row`. The first UPs
  // of an empty list choose its .UPS file; UPs of another file are refused. The result is empty
  // when done, else the text to show.
  QString Append(int slot, const std::vector<int>& ids);
  QString Insert(int row, int slot, const std::vector<int>& ids);
  // Moves `rows` (any order) together to stand before `beforeRow` of the list as it is now.
  bool Move(std::vector<int> rows, int beforeRow);
  bool Remove(std::vector<int> rows);
  bool SetNote(int row, const QString& note);
  bool Undo();
  bool Redo();
  bool CanUndo() const { return history_.CanUndo(); }
  bool CanRedo() const { return history_.CanRedo(); }

  // A list just opened or started anew (an empty `path`): the history starts again.
  void Replace(const StageSet& set, const QString& path);
  StageSet set() const { return {upsPath_, entries_}; }
  void MarkSaved(const QString& path);
  // Looks each entry up again in the .UPS file when a slot holds it (the file may have changed).
  void Resolve();

 signals:
  void aboutToChange();
  void changed();

 private:
  QString checkSource(int slot, const std::vector<int>& ids);
  std::vector<StageEntry> entriesOf(int slot, const std::vector<int>& ids) const;
  void apply(std::vector<StageEntry> entries);  // a change the user can undo
  void show(const std::vector<StageEntry>& entries);

  const UPData& data_;
  std::vector<StageEntry> entries_;
  QString path_;
  QString upsPath_;
  StageHistory history_;
};

}  // namespace tarnwick
