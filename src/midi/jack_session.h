// SPDX-License-Identifier: GPL-3.0-or-later
// The program's one JACK client, on libjack: every JACK port of the program lives on it, and the
// JACK ports of other programs are listed through it.
//
// libjack marks a server that has died as gone for the whole process; the next jack_client_open
// anywhere in the process then deletes every client of the process. So this client is opened
// once per server lifetime and never touched again once its server has gone: the shutdown
// callback only raises a flag, and the window thread then drops the session with Abandon(), which
// leaves the client and everything its callbacks may reach in memory for good.
//
// Threads: every member function runs on the window thread. The process callback reads the input
// ports and writes the output ports without allocating or locking; the other callbacks only raise
// flags and wake the window thread.
#pragma once

#include <array>
#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "midi/midi_service.h"

namespace tarnwick {

class MidiInWakeUp;
struct JackSessionParts;

class JackSession {
 public:
  // Opens the client on the running server and activates it; nullptr when no server answers
  // (or the program was built without JACK). `changes` is woken from JACK's threads when the
  // server goes away or ports come, go or change their connections; it may be null.
  static std::unique_ptr<JackSession> Open(MidiInWakeUp* changes);
  // Lets go of a session whose server has gone, without touching its client: libjack may delete
  // the client at any time now, and a callback may still be running on what the session holds.
  static void Abandon(std::unique_ptr<JackSession> session);
  // Closes the client first, then frees what its callbacks could reach.
  ~JackSession();
  JackSession(const JackSession&) = delete;
  JackSession& operator=(const JackSession&) = delete;

  // The server has shut down, or was found not running cycles any more.
  bool serverGone() const;
  // Whether the server still runs process cycles, for the one moment where a notice that is late
  // would cost a crash: closing the client at exit. Waits for one cycle, at most `limit`; a
  // server found stalled counts as gone from then on.
  bool checkRunning(std::chrono::milliseconds limit);
  void setChangeWakeUp(MidiInWakeUp* changes);

  // The MIDI ports of other clients as "client:port": those that send (for an input to connect
  // from) and those that receive (for an output to connect to).
  std::vector<std::string> sendingPorts() const;
  std::vector<std::string> receivingPorts() const;

  // Opens an input port connected from `source`; `listener` gets its messages, as `handle`, once
  // started. Returns a result code; on success `slot` names the port.
  int openIn(const std::string& source, MidiInListener& listener, int handle, int& slot);
  void startIn(int slot, bool started);
  // Opens an output port connected to `destination`, or, when it is empty, the port named
  // "Tarnwick" that other programs connect to.
  int openOut(const std::string& destination, int& slot);
  // Queues one message for the next cycle.
  int send(int slot, const unsigned char* bytes, std::size_t length);
  // Close a port; an output first lets its queued messages leave.
  void closeIn(int slot);
  void closeOut(int slot);
  // The connections of a port of this session.
  int inConnections(int slot) const;
  int outConnections(int slot) const;

 private:
  explicit JackSession(std::unique_ptr<JackSessionParts> parts);
  // Whether the cycles ran before the limit.
  bool waitCycles(int cycles, std::chrono::milliseconds limit) const;

  std::unique_ptr<JackSessionParts> parts_;
  bool stalled_ = false;
};

}  // namespace tarnwick
