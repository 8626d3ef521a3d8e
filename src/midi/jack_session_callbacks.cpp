// SPDX-License-Identifier: GPL-3.0-or-later
// The callbacks of the program's JACK client, on JACK's threads: no allocation, no lock, no wait.
#include <jack/midiport.h>

#include <algorithm>

#include "midi/jack_session_parts.h"
#include "midi/midi_in_wakeup.h"
#include "midi/midi_message.h"

namespace tarnwick {
namespace {

void Deliver(const JackInSlot& slot, const jack_midi_event_t& event) {
  // System-exclusive stays out; clock and active sensing come through, for the handler to drop.
  if (event.size == 0 || event.buffer[0] == 0xF0) return;
  // A status without its data bytes, data bytes of 0x80 or more or bytes past the message's
  // length make no message: reported as an error, never decoded.
  std::uint32_t packed = 0;
  const bool wellFormed = PackReceivedBytes(event.buffer, event.size, packed);
  slot.listener->MidiInProc(slot.handle, wellFormed ? MidiInEvent::Data : MidiInEvent::Error, packed);
}

void ReadInput(const JackInSlot& slot, jack_nframes_t frames) {
  void* buffer = jack_port_get_buffer(slot.port, frames);
  if (buffer == nullptr || !slot.started.load(std::memory_order_acquire)) return;
  const std::uint32_t count = jack_midi_get_event_count(buffer);
  for (std::uint32_t i = 0; i < count; ++i) {
    jack_midi_event_t event;
    if (jack_midi_event_get(&event, buffer, i) == 0) Deliver(slot, event);
  }
}

void WriteOutput(const JackOutSlot& slot, jack_nframes_t frames) {
  void* buffer = jack_port_get_buffer(slot.port, frames);
  if (buffer == nullptr) return;
  jack_midi_clear_buffer(buffer);
  jack_nframes_t time = 0;
  unsigned char queued[kQueuedMessageSize];
  while (jack_ringbuffer_read_space(slot.ring) >= kQueuedMessageSize) {
    jack_ringbuffer_peek(slot.ring, reinterpret_cast<char*>(queued), kQueuedMessageSize);
    // What does not fit into this cycle's buffer waits for the next one.
    if (jack_midi_max_event_size(buffer) < queued[0]) return;
    if (jack_midi_event_write(buffer, time, queued + 1, queued[0]) != 0) return;
    jack_ringbuffer_read_advance(slot.ring, kQueuedMessageSize);
    time = std::min<jack_nframes_t>(time + 1, frames - 1);
  }
}

int OnProcess(jack_nframes_t frames, void* arg) {
  auto& parts = *static_cast<JackSessionParts*>(arg);
  for (const JackInSlot& slot : parts.in) {
    if (slot.active.load(std::memory_order_acquire)) ReadInput(slot, frames);
  }
  for (const JackOutSlot& slot : parts.out) {
    if (slot.active.load(std::memory_order_acquire)) WriteOutput(slot, frames);
  }
  parts.cycles.fetch_add(1, std::memory_order_release);
  return 0;
}

void WakeWindowThread(JackSessionParts& parts) {
  if (MidiInWakeUp* changes = parts.changes.load(std::memory_order_acquire)) changes->wake();
}

void OnShutdown(jack_status_t, const char*, void* arg) {
  auto& parts = *static_cast<JackSessionParts*>(arg);
  parts.gone.store(true, std::memory_order_release);
  WakeWindowThread(parts);
}

void OnPortRegistration(jack_port_id_t, int, void* arg) { WakeWindowThread(*static_cast<JackSessionParts*>(arg)); }

void OnPortConnect(jack_port_id_t, jack_port_id_t, int, void* arg) {
  WakeWindowThread(*static_cast<JackSessionParts*>(arg));
}

}  // namespace

void SetJackCallbacks(JackSessionParts& parts) {
  jack_set_process_callback(parts.client, &OnProcess, &parts);
  jack_on_info_shutdown(parts.client, &OnShutdown, &parts);
  jack_set_port_registration_callback(parts.client, &OnPortRegistration, &parts);
  jack_set_port_connect_callback(parts.client, &OnPortConnect, &parts);
}

}  // namespace tarnwick
