// SPDX-License-Identifier: GPL-3.0-or-later
// The MIDI service on RtMidi. It lists the ports of every MIDI system that can start on the
// machine, in a fixed order (the ALSA sequencer first, then JACK); a system that cannot start (no
// /dev/snd, no JACK server) is simply left out. Each port is listed under RtMidi's name for it
// (for JACK "client:port"). The virtual output device (-1) is a port named "Tarnwick" on the
// first system that can start; other MIDI programs connect to it.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "midi/midi_service.h"

namespace tarnwick {

class JackWatch;
struct RtMidiInPort;
struct RtMidiOutPort;

class RtMidiService final : public MidiService {
 public:
  RtMidiService();
  ~RtMidiService() override;
  RtMidiService(const RtMidiService&) = delete;
  RtMidiService& operator=(const RtMidiService&) = delete;

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

  void setLossNotifier(std::function<void()> notify) override;
  std::vector<LostPort> takeLostPorts() override;
  int outConnections(int handle) override;

  // A listed port: the RtMidi API it belongs to and its name there.
  struct ListedPort {
    int api = 0;
    std::string name;
  };

 private:
  void readInList();
  void readOutList();
  int openVirtualOut(int& handle);
  int takeHandle();
  // The watch on the JACK server, started afresh when the server it watched has gone; nullptr
  // when no server runs.
  JackWatch* jackWatch();
  bool jackServerGone() const;
  // Whether a port of `api` opened under watch `jackEpoch` has lost its server.
  bool serverGoneUnder(int api, int jackEpoch) const;
  // Where a port's JACK name is known, whether its connections are gone (its peer vanished).
  bool peerGone(bool virtualPort, const std::string& jackName) const;

  std::vector<ListedPort> inList_;
  std::vector<ListedPort> outList_;
  bool inListRead_ = false;
  bool outListRead_ = false;
  std::map<int, std::unique_ptr<RtMidiInPort>> inPorts_;
  std::map<int, std::unique_ptr<RtMidiOutPort>> outPorts_;
  int lastHandle_ = 0;
  std::unique_ptr<JackWatch> jackWatch_;
  int jackEpoch_ = 0;  // counts the watches started
  // The notifier, called on a JACK thread. Shared with the watches: one abandoned with its dead
  // server may still call it after this service is gone, and then finds it empty.
  struct LossNotice {
    std::mutex lock;
    std::function<void()> notify;
  };
  std::shared_ptr<LossNotice> notice_ = std::make_shared<LossNotice>();
};

}  // namespace tarnwick
