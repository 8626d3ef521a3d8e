// SPDX-License-Identifier: GPL-3.0-or-later
// The MIDI service of the machine. It lists the ports of every MIDI system that can start on the
// machine, in a fixed order (the ALSA sequencer first, then JACK); a system that cannot start (no
// /dev/snd, no JACK server) is simply left out. Each port is listed under its system's name for
// it (for JACK "client:port"). The virtual output device (-1) is a port named "Tarnwick" on the
// first system that can start; other MIDI programs connect to it.
//
// The ALSA sequencer (and WinMM and CoreMIDI elsewhere) go through RtMidi. JACK goes through the
// program's one JACK client (jack_session.h), opened when the device lists are read or a port is
// opened and no client is open yet: after its server has gone, a new one is opened only when the
// user asks for the devices again.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "midi/midi_service.h"

namespace tarnwick {

class JackSession;
class MidiInWakeUp;
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

  // The notifier is called on the window thread, after JACK's threads have woken it.
  void setLossNotifier(std::function<void()> notify) override;
  std::vector<LostPort> takeLostPorts() override;
  int outConnections(int handle) override;

  // A listed port: the RtMidi API it belongs to (RtMidi's number for JACK too) and its name.
  struct ListedPort {
    int api = 0;
    std::string name;
  };

 private:
  void readInList();
  void readOutList();
  int openVirtualOut(int& handle);
  int openJackIn(const std::string& source, MidiInListener& listener, int& handle);
  int openJackOut(const std::string& destination, int& handle);
  int takeHandle();
  // The JACK session, opened when none is open; nullptr when no server answers. A session whose
  // server has gone is let go first, untouched.
  JackSession* jackSession();
  // The session a JACK port was opened under, while it lives and its server runs; else nullptr.
  JackSession* liveSession(int jackEpoch) const;
  bool jackPortLost(int jackEpoch, int connections, bool virtualPort) const;

  std::vector<ListedPort> inList_;
  std::vector<ListedPort> outList_;
  bool inListRead_ = false;
  bool outListRead_ = false;
  std::map<int, std::unique_ptr<RtMidiInPort>> inPorts_;
  std::map<int, std::unique_ptr<RtMidiOutPort>> outPorts_;
  int lastHandle_ = 0;
  std::unique_ptr<JackSession> jack_;
  int jackEpoch_ = 0;  // counts the sessions opened
  bool abandonedSession_ = false;
  std::function<void()> notify_;
  MidiInWakeUp* jackChanges_ = nullptr;  // wakes this thread from JACK's threads
};

}  // namespace tarnwick
