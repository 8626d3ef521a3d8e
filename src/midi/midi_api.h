// SPDX-License-Identifier: GPL-3.0-or-later
// The MIDI layer (mMidi_API): the one MIDI input and the one MIDI output of the program, every
// message sent to the instrument, and the handler that decodes what the instrument sends.
//
// Incoming messages: MidiInProc runs on the MIDI system's thread. It drops clock and active
// sensing first, remembers bank select per channel, and puts every message that some window may
// want into a lock-free queue; the window thread then hands them to the keyboard, the program
// change monitor and the UP file window, in arrival order, but only while the input is still
// enabled. Nothing on the MIDI thread allocates, locks or waits.
#pragma once

#include <QObject>

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>

#include "midi/midi_in_routing.h"
#include "midi/midi_message.h"
#include "midi/midi_receivers.h"
#include "midi/midi_service.h"
#include "state/midi_settings.h"
#include "state/midi_types.h"
#include "state/view.h"
#include "midi/spsc_ring.h"
#include "ui/user_dialogs.h"

namespace tarnwick {

class MidiInWakeUp;

class MidiApi : public QObject, private MidiInListener {
  Q_OBJECT

 public:
  MidiApi(MidiService& service, MidiSettings& settings, UserDialogs& dialogs, QObject* parent = nullptr);
  ~MidiApi() override;

  // --- Ports. The results are the service's codes: 0 = success. Failures are left to the caller
  // to show, except that OpenMidiIn shows "Midi IN Error" when the service cannot be called at
  // all (and then reports a failure too). ---
  // Closes the input, opens `device` and starts it; incoming messages are decoded from then on.
  int OpenMidiIn(int device);
  void CloseMidiIn();
  // Closes the output and opens `device` (kVirtualOutDevice = the virtual "Tarnwick" port).
  int OpenMidiOut(int device);
  void CloseMidiOut();
  int hMidiIn() const { return hMidiIn_; }    // 0 = closed
  int hMidiOut() const { return hMidiOut_; }  // 0 = closed; nothing is sent then
  bool midiInEnabled() const { return midiInEnabled_.load(std::memory_order_acquire); }
  // The setup dialog clears it while it is open; OpenMidiIn sets it.
  void setMidiInEnabled(bool enabled);

  // --- Where incoming messages go ---
  void setActiveMenu(View view) { activeMenu_.store(view, std::memory_order_relaxed); }
  View activeMenu() const { return activeMenu_.load(std::memory_order_relaxed); }
  void setKeyboardReceiver(KeyboardReceiver* receiver) { keyboard_ = receiver; }
  void setMonitorReceiver(MonitorReceiver* receiver) { monitor_ = receiver; }
  // Gets the UP selects of the basic receive channel in the User Program view.
  void setUPSelectReceiver(UPSelectReceiver* receiver) { upSelect_ = receiver; }
  // Gets the notes, controllers and program changes of every channel while the Stage view is active.
  void setStageReceiver(StageReceiver* receiver) { stage_ = receiver; }
  // The last bank select received on a channel. While ProgramReceived runs, the bank that
  // preceded that program change on the wire, even if a later bank select has arrived since.
  std::uint8_t MidiInBankMSB(MidiChannel channel) const;
  std::uint8_t MidiInBankLSB(MidiChannel channel) const;

  // --- Sending. Every sender sends nothing while the output is closed. ---
  static constexpr std::uint32_t PackShortMessage(std::uint8_t status, std::uint8_t data1, std::uint8_t data2) {
    return tarnwick::PackShortMessage(status, data1, data2);
  }
  // Sends one message at once; a failure shows the service's text under "MIDI Out".
  void SendShortMessage(std::uint8_t status, std::uint8_t data1, std::uint8_t data2);
  void SendBankProgram(MidiChannel channel, std::uint8_t msb, std::uint8_t lsb, MidiProgramNumber program);
  void SendNrpnPart(MidiChannel channel, std::uint8_t nrpnMSB, std::uint8_t nrpnLSB, std::uint8_t value);
  void SendNoteOn(MidiChannel channel, std::uint8_t note, std::uint8_t velocity);
  void SendNoteOff(MidiChannel channel, std::uint8_t note);
  void SendAllSoundOff(MidiChannel channel);
  void SendStart();
  void SendStop();
  // The callers' selections (selection_messages.h) on their channels: the UP select on the Basic
  // send channel (false, nothing sent, for an ID outside 0..191), a part switch on channel 13, an
  // arranger division on the Style send channel. SendUPSelect is true only when every message of
  // the select was handed to an open port.
  bool SendUPSelect(int upId);
  void SendPartSwitch(std::uint8_t partNumber, bool on);
  void SendArrangerDivision(MidiProgramNumber program);

  // The service's text for a failed input / output code, under "MIDI In" / "MIDI Out".
  void ShowMidiInError(int code);
  void ShowMidiOutError(int code);

  MidiService& service() { return service_; }

  // Takes the ports the service has lost (their MIDI system or their peer went away). When the
  // input or the output is among them, both handles that are lost become 0 (when the whole
  // system went away, both ports are closed), ONE message says why, portsLost() is emitted and
  // the result is true. Runs by itself on the window thread when the service reports a loss.
  bool checkLostPorts();

 signals:
  // The input or the output closed under the program; what shows their state reads it again.
  void portsLost();

 public:

  // --- Incoming ---
  // The handler of the input port, on the MIDI system's thread.
  void MidiInProc(int handle, MidiInEvent event, std::uint32_t message) noexcept override;
  // On the window thread: hands the queued messages to their receivers, in arrival order. Runs
  // by itself when the MIDI thread wakes the window thread; tests may call it directly.
  void deliverMidiIn();
  // Messages lost because the window thread fell more than a queue's length behind.
  std::uint64_t midiInOverflows() const { return overflows_.load(std::memory_order_relaxed); }

 private:
  struct QueuedMessage {
    IncomingMessage message;
    std::uint8_t bankMSB = 0;  // of the message's channel when it arrived
    std::uint8_t bankLSB = 0;
    bool afterLoss = false;        // messages were dropped just before this one
    std::uint64_t lossesBefore = 0;  // the overflow count when it was stored
  };
  struct ProgramBank {
    bool active = false;
    std::uint8_t channel = 0;
    std::uint8_t msb = 0;
    std::uint8_t lsb = 0;
  };
  using Queue = SpscRing<QueuedMessage, 4096>;

  int openMidiInPort(int device);
  void showLostPortMessage(bool output, bool systemGone);
  void deliver(const QueuedMessage& queued);
  void deliverProgram(const QueuedMessage& queued);
  void deliverUPSelect(const QueuedMessage& queued);
  void reportInputLoss(std::uint64_t losses);

  MidiService& service_;
  MidiSettings& settings_;
  UserDialogs& dialogs_;
  int hMidiIn_ = 0;
  int hMidiOut_ = 0;
  bool sendFailed_ = false;  // a send failed since SendUPSelect began
  std::atomic<bool> midiInEnabled_{false};
  std::atomic<View> activeMenu_{View::UPFile};
  KeyboardReceiver* keyboard_ = nullptr;
  MonitorReceiver* monitor_ = nullptr;
  UPSelectReceiver* upSelect_ = nullptr;
  StageReceiver* stage_ = nullptr;
  std::array<std::atomic<std::uint8_t>, 16> bankMSB_{};
  std::array<std::atomic<std::uint8_t>, 16> bankLSB_{};
  ProgramBank programBank_;
  std::unique_ptr<Queue> queue_;
  MidiInWakeUp* wakeUp_ = nullptr;  // made when the input is first opened
  std::atomic<std::uint64_t> overflows_{0};
  bool lossPending_ = false;            // MIDI thread only: the next stored message follows a loss
  std::uint64_t overflowsReported_ = 0;  // window thread only
};

}  // namespace tarnwick
