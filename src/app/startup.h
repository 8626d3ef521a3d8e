// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up sequence: from the program folder to the first view on screen.
#pragma once

#include <functional>
#include <memory>

#include <QSize>
#include <QString>
#include <QStringList>

#include "app/shell.h"

namespace tarnwick {

class frmMain;

struct StartupEnvironment {
  QString executableFolder;    // QCoreApplication::applicationDirPath()
  QString dataFolderOverride;  // TARNWICK_DATA_DIR; empty for the normal search
  QSize screen;                // the screen the main window opens on, in pixels
  // Called once the main window is on screen, before the views are made.
  std::function<void(frmMain&)> mainWindowShown;
  QStringList namedFiles;  // FILE0 [FILE1] from the command line, in place of the last run's
  QString currentFolder;   // what relative file names are relative to
};

// In this order: program and data folder, settings, the named files in place of the last run's,
// name lists (a message for each list that cannot be read; start-up goes on), the main window
// placed and shown (with a message over it for each named file that cannot be opened), the
// views, the MIDI check (the MIDI setup dialog when a port was never configured or cannot be
// reopened), and the view of the last run. Returns the main window.
std::unique_ptr<frmMain> StartTarnwick(Shell& shell, const StartupEnvironment& environment);

}  // namespace tarnwick
