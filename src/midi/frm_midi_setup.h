// SPDX-License-Identifier: GPL-3.0-or-later
// The MIDI setup dialog ("Midi Setup"): the input and output devices, their ports, the four MIDI
// channels and the devices' properties. While it is open, incoming messages are ignored and both
// ports are closed; OK opens the ports whose boxes are checked, and stays open when one fails.
// Cancel (or Esc, or closing the window) puts the devices, channels and ports back as they were.
#pragma once

#include <QDialog>

#include <vector>

#include "midi/midi_service.h"
#include "state/midi_settings.h"
#include "midi/midi_setup_controls.h"

class QCheckBox;

namespace tarnwick {

class MidiApi;
class UserDialogs;

class frmMidiSetup : public QDialog {
  Q_OBJECT

 public:
  frmMidiSetup(MidiApi& midi, MidiSettings& settings, UserDialogs& dialogs, QWidget* parent = nullptr);

  // The Properties text of the selected device; empty when no entry is selected.
  QString inPropertiesText() const;
  QString outPropertiesText() const;

 public slots:
  void reject() override;

 private:
  void connectControls();
  void openingSequence();
  bool fillInList();
  bool fillOutList();
  void selectEntry(QListWidget* list, int row);

  void onInPortClicked(bool checked);
  void onOutPortClicked(bool checked);
  bool testOpenIn();
  bool testOpenOut();
  static void setPortBox(QCheckBox* box, bool on);

  void onInSelectionChanged();
  void onOutSelectionChanged();
  void onChannelChanged(int index, int value);
  void onOK();
  void showInProperties();
  void showOutProperties();

  MidiApi& midi_;
  MidiSettings& settings_;
  UserDialogs& dialogs_;
  MidiSetupControls controls_;
  std::vector<MidiInCaps> inDevices_;
  std::vector<MidiOutCaps> outDevices_;  // the virtual port last
  // As things were when the dialog opened, for Cancel.
  MidiSettings settingsAtOpening_;
  bool inWasOpen_ = false;
  bool outWasOpen_ = false;
};

}  // namespace tarnwick
