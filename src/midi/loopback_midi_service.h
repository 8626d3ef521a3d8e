// SPDX-License-Identifier: GPL-3.0-or-later
// A MIDI service inside the process, for tests: devices as the test describes them, every sent
// message recorded, incoming messages fed by the test (from any thread, as a MIDI system's own
// thread would), failures on demand. By default it has one input "Loopback In" and one output
// "Loopback Out", and what goes out on that output arrives at that input.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "midi/midi_service.h"

namespace tarnwick {

class LoopbackMidiService final : public MidiService {
 public:
  struct SentMessage {
    int device;  // output device number; kVirtualOutDevice for the virtual port
    std::uint32_t message;
  };

  LoopbackMidiService();

  // --- Set-up by the test ---
  void setInDevices(std::vector<MidiInCaps> devices);
  void setOutDevices(std::vector<MidiOutCaps> devices);
  // What is sent on `outDevice` arrives at `inDevice` (-1: nowhere).
  void setLoop(int outDevice, int inDevice);
  // Results to answer instead of success, per device (0 succeeds again).
  void setInCapsResult(int device, int code);
  void setOutCapsResult(int device, int code);
  void setOpenInResult(int device, int code);
  void setOpenOutResult(int device, int code);
  void setStartInResult(int code);
  void setSendResult(int code);
  // What outConnections answers for every open output (-1, the default: the system does not tell).
  void setOutConnections(int count) { outConnections_ = count; }
  // openIn throws, as a MIDI system that cannot be called at all would.
  void setOpenInThrows(bool throws);
  // Every open port stops working, as when the MIDI system (or only the ports' peers) went away:
  // sends fail, takeLostPorts reports them and the loss notifier is called.
  void loseOpenPorts(bool systemGone);

  // --- What the test observes ---
  const std::vector<SentMessage>& sent() const { return sent_; }
  // The sent messages as their bytes on the wire ("BC 00 79").
  std::vector<std::string> sentText() const;
  void clearSent() { sent_.clear(); }
  int openInPorts() const;
  int openOutPorts() const;
  int inOpenCount() const { return inOpenCount_; }  // successful openIn calls so far

  // Feeds one event to the started input port open on `inDevice`, on the calling thread.
  // Returns false when no started port is open there.
  bool receive(int inDevice, std::uint32_t message, MidiInEvent event = MidiInEvent::Data);

  // --- MidiService ---
  int inDeviceCount() override;
  int outDeviceCount() override;
  int inDeviceCaps(int device, MidiInCaps& caps) override;
  int outDeviceCaps(int device, MidiOutCaps& caps) override;
  int openIn(int device, MidiInListener& listener, int& handle) override;
  int startIn(int handle) override;
  int stopIn(int handle) override;
  int closeIn(int handle) override;
  int openOut(int device, int& handle) override;
  int sendShort(int handle, std::uint32_t message) override;
  int closeOut(int handle) override;
  std::string inErrorText(int code) const override;
  std::string outErrorText(int code) const override;
  void setLossNotifier(std::function<void()> notify) override { notify_ = std::move(notify); }
  std::vector<LostPort> takeLostPorts() override;
  int outConnections(int handle) override { return ports_.count(handle) != 0 ? outConnections_ : -1; }

 private:
  struct Port {
    int device = 0;
    bool input = false;
    bool started = false;
    MidiInListener* listener = nullptr;
    bool lost = false;
    bool systemGone = false;
  };

  static int resultFor(const std::map<int, int>& results, int device);
  int addPort(Port port);

  std::vector<MidiInCaps> inDevices_;
  std::vector<MidiOutCaps> outDevices_;
  std::map<int, int> loops_;  // output device -> input device
  std::map<int, int> inCapsResults_, outCapsResults_, openInResults_, openOutResults_;
  int startInResult_ = 0;
  int sendResult_ = 0;
  bool openInThrows_ = false;
  std::map<int, Port> ports_;  // by handle
  int lastHandle_ = 0;
  int inOpenCount_ = 0;
  std::vector<SentMessage> sent_;
  std::function<void()> notify_;
  int outConnections_ = -1;
};

}  // namespace tarnwick
