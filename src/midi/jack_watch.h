// SPDX-License-Identifier: GPL-3.0-or-later
// A JACK client of the program's own that watches the server for what RtMidi's JACK clients do
// not notice: the server going away (after which no client of it may be touched again, not even
// to close it), and ports that come, go or lose their connections. Its callbacks run on a JACK
// thread: they only raise flags and call `onChange`, which must be safe from any thread.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tarnwick {

class JackWatch {
 public:
  // Opens the watching client on the running server; nullptr when none runs (or without JACK).
  static std::unique_ptr<JackWatch> Start(std::function<void()> onChange);
  virtual ~JackWatch() = default;

  // The server this client was opened on has shut down (or died).
  virtual bool serverGone() const = 0;
  // The full names ("client:port") of the MIDI ports whose port name is `portName`.
  virtual std::vector<std::string> midiPortsNamed(const std::string& portName) const = 0;
  // How many connections the port `fullName` has; -1 when no such port exists.
  virtual int connections(const std::string& fullName) const = 0;
};

// Of `after`, the one name that is not in `before`; empty unless there is exactly one.
std::string NewPortName(const std::vector<std::string>& before, const std::vector<std::string>& after);

}  // namespace tarnwick
