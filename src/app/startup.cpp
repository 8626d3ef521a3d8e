// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/startup.h"

#include "state/app_state.h"
#include "app/main_window.h"
#include "app/menu_items.h"
#include "app/midi_check.h"
#include "app/name_list_loading.h"
#include "app/named_files.h"
#include "app/program_folder.h"
#include "state/settings_store.h"
#include "ui/user_dialogs.h"

namespace tarnwick {
namespace {

// Returns the messages about named files that were not opened, to be shown over the main window.
QStringList LoadData(Shell& shell, const StartupEnvironment& environment) {
  AppState& state = shell.state;
  state.programFolder = ProgramFolderFrom(environment.executableFolder);
  state.dataFolder = FindDataFolder(state.programFolder, environment.dataFolderOverride);
  LoadSettings(shell.store, state);
  const QStringList namedFileMessages = UseNamedFiles(state.up, environment.namedFiles, environment.currentFolder);
  // The file colours come with the state; nothing stored changes them.
  for (const std::string& message : LoadNameLists(state.names, state.dataFolder)) {
    shell.dialogs.showMessage(QString::fromStdString(message), QString::fromLatin1(kProgramTitle),
                              UserDialogs::Icon::None);
  }
  state.windowKeysEnabled = true;
  return namedFileMessages;
}

}  // namespace

std::unique_ptr<frmMain> StartTarnwick(Shell& shell, const StartupEnvironment& environment) {
  const QStringList namedFileMessages = LoadData(shell, environment);

  auto window = std::make_unique<frmMain>(shell);
  window->PlaceOnScreen(environment.screen);
  window->show();
  if (environment.mainWindowShown) environment.mainWindowShown(*window);
  for (const QString& message : namedFileMessages) shell.dialogs.showMessage(message);
  window->CreateViews();

  const int inStatus = shell.store.read(key::MidiInStatus);
  const int outStatus = shell.store.read(key::MidiOutStatus);
  if (ReopenMidiPorts(shell.midi, shell.state.midi, inStatus, outStatus)) window->mnuMidiSetup_Click();

  window->MenuChange(MenuItemOfView(ViewFromActiveMenu(shell.store.read(key::ActiveMenu))));
  return window;
}

}  // namespace tarnwick
