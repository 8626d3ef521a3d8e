// SPDX-License-Identifier: GPL-3.0-or-later
// What the main window works with: the program's state and the services it reaches through.
// Made once at start-up (or by a test, with its own settings file and a loopback MIDI service).
#pragma once

#include <functional>

class QWidget;

namespace tarnwick {

struct AppState;
class MidiApi;
class SettingsStore;
class UserDialogs;
class ViewFactory;

struct Shell {
  AppState& state;
  SettingsStore& store;
  UserDialogs& dialogs;
  MidiApi& midi;
  ViewFactory& views;
  // Shows the MIDI setup dialog modally over `parent` and returns when it is closed.
  std::function<void(QWidget* parent)> runMidiSetup;
};

}  // namespace tarnwick
