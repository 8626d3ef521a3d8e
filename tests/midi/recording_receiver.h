// Stands in for the keyboard view and the program change monitor: logs every call, in order, as
// a line of text. A program change records the bank MidiApi reports while it is delivered.
#pragma once

#include <string>
#include <vector>

#include "midi/midi_api.h"
#include "midi/midi_receivers.h"

namespace tarnwick::test {

class RecordingKeyboard final : public KeyboardReceiver {
 public:
  explicit RecordingKeyboard(std::vector<std::string>& log) : log_(log) {}
  void NoteReceived(MidiChannel channel, std::uint8_t note, std::uint8_t velocity) override {
    log_.push_back("keyboard note " + std::to_string(channel.zeroBased()) + " " + std::to_string(note) + " " +
                   std::to_string(velocity));
  }
  void ControlReceived(MidiChannel channel, std::uint8_t controller, std::uint8_t value) override {
    log_.push_back("keyboard control " + std::to_string(channel.zeroBased()) + " " + std::to_string(controller) +
                   " " + std::to_string(value));
  }

 private:
  std::vector<std::string>& log_;
};

class RecordingMonitor final : public MonitorReceiver {
 public:
  RecordingMonitor(std::vector<std::string>& log, const MidiApi& midi) : log_(log), midi_(midi) {}
  void ControlReceived(MidiChannel channel, std::uint8_t controller, std::uint8_t value) override {
    log_.push_back("monitor control " + std::to_string(channel.zeroBased()) + " " + std::to_string(controller) +
                   " " + std::to_string(value));
  }
  void ProgramReceived(MidiChannel channel, MidiProgramNumber program) override {
    log_.push_back("monitor program " + std::to_string(channel.zeroBased()) + " " +
                   std::to_string(program.zeroBased()) + " bank " + std::to_string(midi_.MidiInBankMSB(channel)) +
                   "/" + std::to_string(midi_.MidiInBankLSB(channel)));
  }

 private:
  std::vector<std::string>& log_;
  const MidiApi& midi_;
};

}  // namespace tarnwick::test
