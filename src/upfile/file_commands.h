// SPDX-License-Identifier: GPL-3.0-or-later
// New, Open, Save, Save As and Open-From of the two grids, and the loading of the two files of
// the last run, without widgets: they work on the two file slots and their histories and
// talk to the user only through UserDialogs. A replaced file with unsaved changes is never lost
// silently: the user is asked to save it, discard it or cancel.
#pragma once

#include <QString>
#include <array>
#include <functional>

#include "ui/user_dialogs.h"
#include "updata/file_history.h"
#include "updata/up_file.h"

namespace tarnwick {

// Which file buttons of a grid are offered.
struct FileSlotButtons {
  bool save = false;
  bool saveAs = true;
  bool openFrom = false;
};

class FileCommands {
 public:
  enum class Outcome {
    Unchanged,  // nothing happened (cancelled or failed; any message was shown)
    Replaced,   // the slot holds a file just loaded or saved under a new name: refill its grid
    Emptied,    // the slot was started anew (New): refresh its grid
  };

  // Busy(true) before and Busy(false) after each file read or write.
  using BusyHook = std::function<void(bool busy)>;

  FileCommands(UPData& data, std::array<FileHistory, 2>& history, UserDialogs& dialogs, QString programFolder,
               QString templatePath);

  void setBusyHook(BusyHook hook) { busy_ = std::move(hook); }

  Outcome New(int file);
  Outcome Open(int file);
  // Open without the file dialog, for a file dropped on the grid.
  Outcome OpenPath(int file, const QString& path);
  bool Save(int file);
  Outcome SaveAs(int file);
  Outcome OpenFrom(int source);  // loads the source's file into the other grid
  Outcome LoadAtStart(int file);

  // Asks about unsaved changes of `file` (none: true at once). False when the user cancels or
  // the save fails, so that the caller keeps everything as it is.
  bool ConfirmReplace(int file);
  bool ConfirmCloseAll();

  const FileSlotButtons& buttons(int file) const { return buttons_[static_cast<std::size_t>(file)]; }
  bool sameFileInBoth() const;
  QString path(int file) const;

 private:
  UPFile& slot(int file) { return data_.files[static_cast<std::size_t>(file)]; }
  FileSlotButtons& buttonsOf(int file) { return buttons_[static_cast<std::size_t>(file)]; }
  bool load(UPFile& into, const QString& path);
  // A file read back after its own save keeps its history; any other starts a new one.
  enum class History { Restart, KeepAsSaved };
  void install(int file, UPFile&& loaded, const QString& path, History history = History::Restart);
  void startNew(int file);
  QString chooseSaveAsPath(int file);
  bool saveForReplace(int file);
  void show(const std::string& message);

  UPData& data_;
  std::array<FileHistory, 2>& history_;
  UserDialogs& dialogs_;
  QString programFolder_;
  QString templatePath_;
  BusyHook busy_;
  std::array<FileSlotButtons, 2> buttons_{};
};

}  // namespace tarnwick
