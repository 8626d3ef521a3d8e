// SPDX-License-Identifier: GPL-3.0-or-later
// Every message the program sends to the instrument, each sequence with no delay between its
// messages.
#include <exception>

#include "midi/midi_api.h"
#include "midi/midi_result.h"
#include "midi/selection_messages.h"

namespace tarnwick {

void MidiApi::SendShortMessage(std::uint8_t status, std::uint8_t data1, std::uint8_t data2) {
  // The callers test the output first; this test only keeps a closed port from raising an error
  // box for a message that was never meant to go anywhere.
  if (hMidiOut_ == 0) return;
  int result = kMidiOk;
  try {
    result = service_.sendShort(hMidiOut_, PackShortMessage(status, data1, data2));
  } catch (const std::exception&) {
    result = kMidiErrUnknown;
  }
  if (result == kMidiOk) return;
  sendFailed_ = true;
  // A port whose system or peer went away is closed with one message, not one per message sent.
  if ((result == kMidiErrSystemGone || result == kMidiErrDeviceGone) && checkLostPorts()) return;
  ShowMidiOutError(result);
}

void MidiApi::SendBankProgram(MidiChannel channel, std::uint8_t msb, std::uint8_t lsb, MidiProgramNumber program) {
  if (hMidiOut_ == 0) return;
  const std::uint8_t n = channel.zeroBased();
  SendShortMessage(0xB0 + n, 0x00, msb & 0x7F);
  SendShortMessage(0xB0 + n, 0x20, lsb & 0x7F);
  SendShortMessage(0xC0 + n, program.zeroBased(), 0x00);
}

void MidiApi::SendNrpnPart(MidiChannel channel, std::uint8_t nrpnMSB, std::uint8_t nrpnLSB, std::uint8_t value) {
  if (hMidiOut_ == 0) return;
  const std::uint8_t status = 0xB0 + channel.zeroBased();
  SendShortMessage(status, 0x63, nrpnMSB & 0x7F);
  SendShortMessage(status, 0x62, nrpnLSB & 0x7F);
  SendShortMessage(status, 0x06, value & 0x7F);
  // Deselects the parameter, so that a later data entry changes nothing by accident.
  SendShortMessage(status, 0x65, 0x7F);
  SendShortMessage(status, 0x64, 0x7F);
}

void MidiApi::SendNoteOn(MidiChannel channel, std::uint8_t note, std::uint8_t velocity) {
  if (hMidiOut_ == 0) return;
  SendShortMessage(0x90 + channel.zeroBased(), note & 0x7F, velocity & 0x7F);
}

void MidiApi::SendNoteOff(MidiChannel channel, std::uint8_t note) {
  // A note-on with velocity 0: what the instrument itself sends for a released key.
  if (hMidiOut_ == 0) return;
  SendShortMessage(0x90 + channel.zeroBased(), note & 0x7F, 0x00);
}

void MidiApi::SendAllSoundOff(MidiChannel channel) {
  if (hMidiOut_ == 0) return;
  SendShortMessage(0xB0 + channel.zeroBased(), 0x78, 0x00);
}

void MidiApi::SendStart() {
  if (hMidiOut_ == 0) return;
  SendShortMessage(kStatusStart, 0x00, 0x00);
}

void MidiApi::SendStop() {
  if (hMidiOut_ == 0) return;
  SendShortMessage(kStatusStop, 0x00, 0x00);
}

bool MidiApi::SendUPSelect(int upId) {
  const std::optional<BankProgram> select = UPSelect(upId);
  if (!select || hMidiOut_ == 0) return false;
  sendFailed_ = false;
  SendBankProgram(settings_.basicTx, select->msb, select->lsb, select->program);
  // A port that failed or closed under the send has not sent it.
  return !sendFailed_ && hMidiOut_ != 0;
}

void MidiApi::SendPartSwitch(std::uint8_t partNumber, bool on) {
  SendNrpnPart(kPartSwitchChannel, kPartSwitchNrpnMSB, partNumber, PartSwitchValue(on));
}

void MidiApi::SendArrangerDivision(MidiProgramNumber program) {
  if (hMidiOut_ == 0) return;
  SendShortMessage(0xC0 + settings_.styleTx.zeroBased(), program.zeroBased(), 0x00);
}

}  // namespace tarnwick
