// SPDX-License-Identifier: GPL-3.0-or-later
// The controls of the MIDI setup dialog and their layout, with their names, captions and tool
// tips. The dialog's behaviour is in frm_midi_setup.cpp.
#pragma once

#include <array>

class QCheckBox;
class QDialog;
class QListWidget;
class QPushButton;
class QScrollBar;

namespace tarnwick {

class DoubleClickLabel;

struct ChannelControls {
  QScrollBar* bar = nullptr;
  DoubleClickLabel* value = nullptr;
};

struct MidiSetupControls {
  QListWidget* lstIn = nullptr;
  QListWidget* lstOut = nullptr;
  QCheckBox* chkIn = nullptr;
  QCheckBox* chkOut = nullptr;
  QPushButton* cmdInProperties = nullptr;
  QPushButton* cmdOutProperties = nullptr;
  // Basic TX, Basic RX, Style TX, Style RX.
  std::array<ChannelControls, 4> channels;
  QPushButton* cmdOK = nullptr;
  QPushButton* cmdCancel = nullptr;
};

// Creates the controls as children of `dialog` and lays them out.
MidiSetupControls BuildMidiSetupControls(QDialog& dialog);

}  // namespace tarnwick
