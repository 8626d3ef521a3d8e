// SPDX-License-Identifier: GPL-3.0-or-later
// The program-wide state: one object, created at start-up and handed to each window when it is
// built. Tests create a fresh one for each case.
#pragma once

#include <array>
#include <string>

#include <QColor>

#include "state/view.h"
#include "lists/name_lists.h"
#include "state/midi_settings.h"
#include "updata/file_history.h"
#include "updata/up_file.h"

namespace tarnwick {

struct AppState {
  std::string programFolder;  // the executable's folder, no trailing separator
  std::string dataFolder;     // where the name lists and the new-file template were found

  UPData up;                  // File 0 and File 1: records, headers, paths
  // Per file, the changes since it was loaded, saved or started anew; a file has unsaved changes
  // while its history is away from the saved state.
  std::array<FileHistory, 2> history;

  // Paths kept from run to run that no command uses.
  std::string datStyleFilePath, datSongFilePath, styleSetFilePath, songSetFilePath;

  NameTables names;
  MidiSettings midi;

  View activeMenu = View::UPFile;
  std::array<QColor, 2> fileColor{QColor(120, 200, 180), QColor(40, 190, 210)};
  bool windowKeysEnabled = true;  // cleared while a filter box has the focus
};

}  // namespace tarnwick
