// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary byte events to the MIDI input handler, as a MIDI system would deliver them: the
// bytes are cut into events (the first byte of each gives its length, 0..4, and its event kind),
// packed as the port's callback packs them and handed to the handler, then delivered to receivers
// that stop at anything outside 0..127. The view changes with the input too.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_support.h"
#include "midi/loopback_midi_service.h"
#include "midi/midi_api.h"
#include "midi/midi_message.h"
#include "ui/user_dialogs.h"

namespace {

using namespace tarnwick;
using fuzz::Fail;

class SilentDialogs final : public UserDialogs {
 public:
  void showMessage(const QString&, const QString&, Icon) override {}
  Answer askYesNo(const QString&, const QString&, Icon) override { return Answer::No; }
  Answer askSaveDiscardCancel(const QString&, const QString&) override { return Answer::Cancel; }
  QString openFileName(const QString&, const QString&, const QStringList&) override { return {}; }
  QString saveFileName(const QString&, const QString&, const QStringList&) override { return {}; }
  void beep() override {}
};

void CheckSeven(int value, const char* what) {
  if (value < 0 || value > 127) Fail(std::string(what) + " outside 0..127: " + std::to_string(value));
}

class CheckingReceiver final : public KeyboardReceiver, public MonitorReceiver {
 public:
  explicit CheckingReceiver(const MidiApi& midi) : midi_(midi) {}
  void NoteReceived(MidiChannel, std::uint8_t note, std::uint8_t velocity) override {
    CheckSeven(note, "note");
    CheckSeven(velocity, "velocity");
  }
  void ControlReceived(MidiChannel, std::uint8_t controller, std::uint8_t value) override {
    CheckSeven(controller, "controller");
    CheckSeven(value, "controller value");
  }
  void ProgramReceived(MidiChannel channel, MidiProgramNumber program) override {
    CheckSeven(program.zeroBased(), "program");
    CheckSeven(midi_.MidiInBankMSB(channel), "bank MSB");
    CheckSeven(midi_.MidiInBankLSB(channel), "bank LSB");
  }

 private:
  const MidiApi& midi_;
};

// One event as the port's callback makes it from the bytes a MIDI system delivered.
void Receive(LoopbackMidiService& service, const std::uint8_t* bytes, std::size_t size) {
  if (size > 0 && bytes[0] == 0xF0) {
    service.receive(0, 0, MidiInEvent::LongData);
    return;
  }
  std::uint32_t packed = 0;
  const bool wellFormed = PackReceivedBytes(bytes, size, packed);
  service.receive(0, packed, wellFormed ? MidiInEvent::Data : MidiInEvent::Error);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const View kViews[] = {View::UPFile, View::DiskLink, View::Tone, View::Keyboard};
  LoopbackMidiService service;
  MidiSettings settings;
  SilentDialogs dialogs;
  MidiApi midi(service, settings, dialogs);
  CheckingReceiver receiver(midi);
  midi.setKeyboardReceiver(&receiver);
  midi.setMonitorReceiver(&receiver);
  if (midi.OpenMidiIn(0) != 0) Fail("the loopback input did not open");

  std::size_t at = 0;
  while (at < size) {
    const std::uint8_t head = data[at++];
    midi.setActiveMenu(kViews[(head >> 4) & 3]);
    const std::size_t length = std::min<std::size_t>(head % 5, size - at);
    Receive(service, data + at, length);
    at += length;
    if (head & 0x80) midi.deliverMidiIn();
  }
  midi.deliverMidiIn();
  for (int channel = 0; channel < 16; ++channel) {
    const MidiChannel c = MidiChannel::fromZeroBased(channel);
    CheckSeven(midi.MidiInBankMSB(c), "stored bank MSB");
    CheckSeven(midi.MidiInBankLSB(c), "stored bank LSB");
  }
  return 0;
}
