// SPDX-License-Identifier: GPL-3.0-or-later
// Peers on a real JACK server for the MIDI tests, on libjack like the program: a listener that
// records what reaches its input port, and a player that sends from its output port. Like the
// program's own client, a peer closes its client before it frees anything its callbacks reach,
// and a peer whose server has died is let go untouched (libjack deletes the client itself).
// Also here: the device number under which the program lists a peer's port, and whether the
// tests' server answers (asked from another process, so that no client of this one is opened).
#pragma once

#include <jack/jack.h>
#include <jack/midiport.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "midi/midi_service.h"
#include "midi/spsc_ring.h"
#include "midi_test_support.h"

namespace tarnwick::test {

inline std::string UniquePeerPort(const std::string& prefix) {
  static int serial = 0;
  return prefix + "-" + std::to_string(::getpid()) + "-" + std::to_string(++serial);
}

// The server named by JACK_DEFAULT_SERVER answers.
inline bool JackServerAnswers() { return std::system("jack_wait -c >/dev/null 2>&1") == 0; }

// The device listing the port "client:`port`"; -2 when the list has none.
inline int OutDeviceNamed(MidiService& service, const std::string& port) {
  for (int device = 0; device < service.outDeviceCount(); ++device) {
    MidiOutCaps caps;
    if (service.outDeviceCaps(device, caps) == 0 && caps.name.ends_with(":" + port)) return device;
  }
  return -2;
}

inline int InDeviceNamed(MidiService& service, const std::string& port) {
  for (int device = 0; device < service.inDeviceCount(); ++device) {
    MidiInCaps caps;
    if (service.inDeviceCaps(device, caps) == 0 && caps.name.ends_with(":" + port)) return device;
  }
  return -2;
}

class JackPeer {
 public:
  enum class Role { Listener, Player };

  JackPeer(Role role, const std::string& portName) : parts_(new Parts) {
    jack_status_t status{};
    parts_->client = jack_client_open("tarnwick-peer", JackNoStartServer, &status);
    if (parts_->client == nullptr) return;
    const unsigned long flags = role == Role::Listener ? JackPortIsInput : JackPortIsOutput;
    parts_->port = jack_port_register(parts_->client, portName.c_str(), JACK_DEFAULT_MIDI_TYPE, flags, 0);
    jack_set_process_callback(parts_->client, &JackPeer::OnProcess, parts_);
    jack_on_info_shutdown(parts_->client, &JackPeer::OnShutdown, parts_);
    parts_->listening = role == Role::Listener;
    ready_ = parts_->port != nullptr && jack_activate(parts_->client) == 0;
  }
  ~JackPeer() {
    if (parts_->client == nullptr) {
      delete parts_;
    } else if (!gone() && !abandoned_) {
      jack_client_close(parts_->client);
      delete parts_;
    }  // else left as it is, with its dead server
  }
  JackPeer(const JackPeer&) = delete;
  JackPeer& operator=(const JackPeer&) = delete;

  // The test killed the peer's server: the client is never touched again, whether or not its
  // shutdown notice has come.
  void abandon() { abandoned_ = true; }

  bool ready() const { return ready_; }
  bool gone() const { return parts_->gone.load(std::memory_order_acquire); }
  std::string portName() const { return parts_->port != nullptr ? jack_port_name(parts_->port) : std::string(); }

  // Player: queues one message for the next cycle.
  bool send(const std::vector<unsigned char>& bytes) {
    Message message;
    message.length = static_cast<unsigned char>(bytes.size());
    for (std::size_t i = 0; i < bytes.size() && i < message.bytes.size(); ++i) message.bytes[i] = bytes[i];
    return parts_->queue.push(message);
  }

  // Connects the first port whose name ends in ":`suffix`" to this listener.
  bool connectFrom(const std::string& suffix) {
    const char** ports = jack_get_ports(parts_->client, nullptr, JACK_DEFAULT_MIDI_TYPE, JackPortIsOutput);
    bool connected = false;
    for (const char** port = ports; port != nullptr && *port != nullptr && !connected; ++port) {
      if (std::string(*port).ends_with(":" + suffix)) connected = jack_connect(parts_->client, *port, portName().c_str()) == 0;
    }
    if (ports != nullptr) jack_free(ports);
    return connected;
  }

  // Listener: what it has received by now or within the wait, as hex bytes, a message a line.
  Log heard(std::size_t count, int timeoutMs = 5000) {
    WaitFor([&] {
      Message message;
      while (parts_->queue.pop(message)) heard_.push_back(Hex(message));
      return heard_.size() >= count;
    }, timeoutMs);
    return heard_;
  }

 private:
  struct Message {
    unsigned char length = 0;
    std::array<unsigned char, 7> bytes{};
  };
  struct Parts {
    jack_client_t* client = nullptr;
    jack_port_t* port = nullptr;
    bool listening = false;
    SpscRing<Message, 1024> queue;  // listener: process → test; player: test → process
    std::atomic<bool> gone{false};
  };

  static std::string Hex(const Message& message) {
    std::string text;
    for (unsigned i = 0; i < message.length && i < message.bytes.size(); ++i) {
      char hex[4];
      std::snprintf(hex, sizeof hex, text.empty() ? "%02X" : " %02X", message.bytes[i]);
      text += hex;
    }
    return text;
  }

  static int OnProcess(jack_nframes_t frames, void* arg) {
    auto& parts = *static_cast<Parts*>(arg);
    void* buffer = jack_port_get_buffer(parts.port, frames);
    if (parts.listening) {
      for (std::uint32_t i = 0, n = jack_midi_get_event_count(buffer); i < n; ++i) {
        jack_midi_event_t event;
        if (jack_midi_event_get(&event, buffer, i) != 0) continue;
        Message message;
        message.length = static_cast<unsigned char>(std::min<std::size_t>(event.size, message.bytes.size()));
        for (unsigned b = 0; b < message.length; ++b) message.bytes[b] = event.buffer[b];
        parts.queue.push(message);
      }
      return 0;
    }
    jack_midi_clear_buffer(buffer);
    Message message;
    for (jack_nframes_t time = 0; time < frames && parts.queue.pop(message); ++time) {
      jack_midi_event_write(buffer, time, message.bytes.data(), message.length);
    }
    return 0;
  }
  static void OnShutdown(jack_status_t, const char*, void* arg) {
    static_cast<Parts*>(arg)->gone.store(true, std::memory_order_release);
  }

  Parts* parts_;
  bool ready_ = false;
  bool abandoned_ = false;
  Log heard_;
};

}  // namespace tarnwick::test
