// SPDX-License-Identifier: GPL-3.0-or-later
// What a JACK session shares with its callbacks (jack_session_callbacks.cpp). The window thread
// fills a slot's fields and then sets `active`; a callback reads the fields only after reading
// `active` as true. A port is unregistered only after a cycle has passed with `active` false.
#pragma once

#include <jack/jack.h>
#include <jack/ringbuffer.h>

#include <array>
#include <atomic>
#include <cstdint>

#include "midi/midi_service.h"

namespace tarnwick {

class MidiInWakeUp;

// One message in an output ring: its length and up to three bytes.
inline constexpr std::size_t kQueuedMessageSize = 4;
inline constexpr std::size_t kOutRingBytes = 4096;

struct JackInSlot {
  std::atomic<bool> active{false};
  std::atomic<bool> started{false};
  jack_port_t* port = nullptr;
  MidiInListener* listener = nullptr;
  int handle = 0;
};

struct JackOutSlot {
  std::atomic<bool> active{false};
  jack_port_t* port = nullptr;
  jack_ringbuffer_t* ring = nullptr;  // made with the session, freed only after its client is closed
  bool virtualPort = false;
};

struct JackSessionParts {
  jack_client_t* client = nullptr;
  std::array<JackInSlot, 4> in;
  std::array<JackOutSlot, 4> out;
  std::atomic<std::uint64_t> cycles{0};  // process cycles run so far
  std::atomic<bool> gone{false};
  std::atomic<MidiInWakeUp*> changes{nullptr};
};

// Sets the callbacks of `parts.client`; they read and write only `parts`.
void SetJackCallbacks(JackSessionParts& parts);

}  // namespace tarnwick
