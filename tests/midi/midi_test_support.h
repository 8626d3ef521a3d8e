// SPDX-License-Identifier: GPL-3.0-or-later
// What the MIDI tests share: a MidiApi on a service with settings and recording dialogs, receivers
// that log every call as a line of text in order, and a wait on the event loop.
#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <string>
#include <vector>

#include "midi/loopback_midi_service.h"
#include "midi/midi_api.h"
#include "support/recording_dialogs.h"

namespace tarnwick::test {

using Log = std::vector<std::string>;

template <class Service>
struct MidiRig {
  Service service;
  MidiSettings settings;
  testing::RecordingDialogs dialogs;
  MidiApi midi{service, settings, dialogs};
};

// The bank MidiApi reports for a channel (zero-based), as "MSB/LSB".
inline std::string Bank(const MidiApi& midi, int channel) {
  const MidiChannel c = MidiChannel::fromZeroBased(channel);
  return std::to_string(midi.MidiInBankMSB(c)) + "/" + std::to_string(midi.MidiInBankLSB(c));
}

inline std::string Line(const char* what, MidiChannel channel, int first, int second) {
  return std::string(what) + " " + std::to_string(channel.zeroBased()) + " " + std::to_string(first) + " " +
         std::to_string(second);
}

// "keyboard note CHANNEL NOTE VELOCITY", "keyboard control CHANNEL CONTROLLER VALUE".
class RecordingKeyboard final : public KeyboardReceiver {
 public:
  explicit RecordingKeyboard(Log& log) : log_(log) {}
  void NoteReceived(MidiChannel c, std::uint8_t note, std::uint8_t velocity) override {
    log_.push_back(Line("keyboard note", c, note, velocity));
  }
  void ControlReceived(MidiChannel c, std::uint8_t controller, std::uint8_t value) override {
    log_.push_back(Line("keyboard control", c, controller, value));
  }

 private:
  Log& log_;
};

// "monitor control ...", and "monitor program CHANNEL PROGRAM MSB/LSB" with the bank MidiApi
// reports while the program change is delivered.
class RecordingMonitor final : public MonitorReceiver {
 public:
  RecordingMonitor(Log& log, const MidiApi& midi) : log_(log), midi_(midi) {}
  void ControlReceived(MidiChannel c, std::uint8_t controller, std::uint8_t value) override {
    log_.push_back(Line("monitor control", c, controller, value));
  }
  void ProgramReceived(MidiChannel c, MidiProgramNumber program) override {
    log_.push_back("monitor program " + std::to_string(c.zeroBased()) + " " + std::to_string(program.zeroBased()) +
                   " " + Bank(midi_, c.zeroBased()));
  }

 private:
  Log& log_;
  const MidiApi& midi_;
};

// "up select ID".
class RecordingUPSelect final : public UPSelectReceiver {
 public:
  explicit RecordingUPSelect(Log& log) : log_(log) {}
  void UPSelectReceived(int upId) override { log_.push_back("up select " + std::to_string(upId)); }

 private:
  Log& log_;
};

// Runs the event loop until `done` holds or `timeoutMs` has passed; returns whether it holds.
template <class Condition>
bool WaitFor(Condition done, int timeoutMs = 5000) {
  QElapsedTimer clock;
  clock.start();
  while (!done()) {
    if (clock.elapsed() > timeoutMs) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QThread::msleep(1);
  }
  return true;
}

}  // namespace tarnwick::test
