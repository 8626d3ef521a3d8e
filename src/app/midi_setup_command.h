// SPDX-License-Identifier: GPL-3.0-or-later
// The MIDI setup dialog as the main window runs it: modal, over the main window.
#pragma once

class QWidget;

namespace tarnwick {

class MidiApi;
struct MidiSettings;
class UserDialogs;

void RunMidiSetupDialog(MidiApi& midi, MidiSettings& settings, UserDialogs& dialogs, QWidget* parent);

}  // namespace tarnwick
