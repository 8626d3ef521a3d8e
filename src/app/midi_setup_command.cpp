// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/midi_setup_command.h"

#include "midi/frm_midi_setup.h"
#include "ui/accessible_names.h"

namespace tarnwick {

void RunMidiSetupDialog(MidiApi& midi, MidiSettings& settings, UserDialogs& dialogs, QWidget* parent) {
  frmMidiSetup setup(midi, settings, dialogs, parent);
  NameCaptionlessControls(&setup);
  setup.exec();
}

}  // namespace tarnwick
