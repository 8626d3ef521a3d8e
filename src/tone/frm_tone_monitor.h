// SPDX-License-Identifier: GPL-3.0-or-later
// frmTone_3, the program change monitor: for each MIDI channel the name of the tone or drum set
// the instrument last selected on it, and the User Program last selected on the basic receive
// channel. Fed by the MIDI input while the Tone view is shown and Midi IN Program Change is on.
#pragma once

#include <QWidget>
#include <array>
#include <functional>

#include "midi/midi_receivers.h"
#include "tone/monitor_rules.h"

class QCheckBox;
class QLabel;

namespace tarnwick {

// What the monitor reads from the MIDI layer.
struct MonitorMidi {
  std::function<bool()> inOpen;
  std::function<int()> basicRx;  // 0-based
  std::function<std::uint8_t(MidiChannel)> bankMSB;
  std::function<std::uint8_t(MidiChannel)> bankLSB;
};

class frmToneMonitor : public QWidget, public MonitorReceiver {
  Q_OBJECT

 public:
  frmToneMonitor(const NameTables& tables, bool monitorOn, MonitorMidi midi, QWidget* parent = nullptr);

  void ProgramReceived(MidiChannel channel, MidiProgramNumber program) override;
  void ControlReceived(MidiChannel channel, std::uint8_t controller, std::uint8_t value) override;
  // The window became active: the check box is enabled only while the MIDI input is open.
  void activate();

  bool monitorOn() const { return monitorOn_; }
  bool checkBoxValue() const;  // what the setting stores

 private:
  QWidget* buildChannelRows();

  const NameTables& tables_;
  MonitorMidi midi_;
  bool monitorOn_ = false;
  QCheckBox* check_ = nullptr;
  QLabel* upLabel_ = nullptr;
  std::array<QLabel*, kMonitorChannelCount> channelLabels_{};
};

}  // namespace tarnwick
