// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/program_run.h"

#include <QApplication>
#include <QDir>
#include <QScreen>

#include "state/app_state.h"
#include "app/main_window.h"
#include "app/midi_setup_command.h"
#include "app/program_views.h"
#include "state/settings_store.h"
#include "app/startup.h"
#include "app/startup_timing.h"
#include "midi/midi_api.h"
#include "midi/rtmidi_service.h"
#include "ui/qt_user_dialogs.h"

namespace tarnwick {

int RunTarnwick(QApplication& app, const QElapsedTimer& sinceStart, const QStringList& namedFiles) {
  StartupTiming timing(sinceStart, qEnvironmentVariable("TARNWICK_STARTUP_TIMING"));

  auto state = std::make_unique<AppState>();
  SettingsStore store;
  QtUserDialogs dialogs;
  RtMidiService service;
  MidiApi midi(service, state->midi, dialogs);
  ProgramViews views(*state, store, dialogs, midi);
  Shell shell{*state, store, dialogs, midi, views, [&](QWidget* parent) {
                RunMidiSetupDialog(midi, state->midi, dialogs, parent);
              }};

  StartupEnvironment environment;
  environment.executableFolder = QCoreApplication::applicationDirPath();
  environment.dataFolderOverride = qEnvironmentVariable("TARNWICK_DATA_DIR");
  environment.screen = app.primaryScreen()->size();
  environment.mainWindowShown = [&dialogs](frmMain& window) { dialogs.setParentWidget(&window); };
  environment.namedFiles = namedFiles;
  environment.currentFolder = QDir::currentPath();

  const std::unique_ptr<frmMain> window = StartTarnwick(shell, environment);
  return app.exec();
}

}  // namespace tarnwick
