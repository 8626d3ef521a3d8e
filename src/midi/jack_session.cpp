// SPDX-License-Identifier: GPL-3.0-or-later
#include "midi/jack_session.h"

#include <string_view>
#include <thread>

#include "midi/midi_result.h"

#if defined(TARNWICK_HAVE_JACK)
#include "midi/jack_session_parts.h"
#include "midi/midi_in_wakeup.h"

namespace tarnwick {
namespace {

constexpr char kClientName[] = "Tarnwick";
constexpr char kInPortName[] = "MIDI In";
constexpr char kOutPortName[] = "MIDI Out";

// A missing server is an ordinary state for this program (the device list just leaves JACK out):
// the library's complaints about it are dropped.
void DropJackMessage(const char*) {}

// The MIDI ports with `flags` that belong to other clients than `client`.
std::vector<std::string> OtherClientsPorts(jack_client_t* client, unsigned long flags) {
  std::vector<std::string> names;
  const char** ports = jack_get_ports(client, nullptr, JACK_DEFAULT_MIDI_TYPE, flags);
  if (ports == nullptr) return names;
  const std::string own = std::string(jack_get_client_name(client)) + ":";
  for (const char** port = ports; *port != nullptr; ++port) {
    if (std::string_view(*port).substr(0, own.size()) != own) names.emplace_back(*port);
  }
  jack_free(ports);
  return names;
}

std::string SlotPortName(const char* base, int slot) {
  return slot == 0 ? std::string(base) : std::string(base) + " " + std::to_string(slot + 1);
}

template <class Slots>
int FreeSlot(const Slots& list) {
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (list[i].port == nullptr) return static_cast<int>(i);
  }
  return -1;
}

int ConnectionCount(const jack_port_t* port) { return port == nullptr ? -1 : jack_port_connected(port); }

}  // namespace

std::unique_ptr<JackSession> JackSession::Open(MidiInWakeUp* changes) {
  jack_set_error_function(DropJackMessage);
  jack_set_info_function(DropJackMessage);
  jack_status_t status{};
  jack_client_t* client = jack_client_open(kClientName, JackNoStartServer, &status);
  if (client == nullptr) return nullptr;
  auto parts = std::make_unique<JackSessionParts>();
  parts->client = client;
  parts->changes.store(changes, std::memory_order_release);
  std::unique_ptr<JackSession> session(new JackSession(std::move(parts)));
  for (JackOutSlot& slot : session->parts_->out) {
    slot.ring = jack_ringbuffer_create(kOutRingBytes);
    if (slot.ring == nullptr) return nullptr;
  }
  SetJackCallbacks(*session->parts_);
  if (jack_activate(client) != 0) return nullptr;
  return session;
}

JackSession::JackSession(std::unique_ptr<JackSessionParts> parts) : parts_(std::move(parts)) {}

JackSession::~JackSession() {
  if (!parts_) return;
  // After the close returns no callback runs: only then may the rings go.
  jack_client_close(parts_->client);
  for (JackOutSlot& slot : parts_->out) {
    if (slot.ring != nullptr) jack_ringbuffer_free(slot.ring);
  }
}

void JackSession::Abandon(std::unique_ptr<JackSession> session) {
  if (!session) return;
  [[maybe_unused]] JackSessionParts* kept = session->parts_.release();
}

bool JackSession::serverGone() const { return stalled_ || parts_->gone.load(std::memory_order_acquire); }

bool JackSession::checkRunning(std::chrono::milliseconds limit) {
  if (!serverGone() && !waitCycles(1, limit)) stalled_ = true;
  return !serverGone();
}

void JackSession::setChangeWakeUp(MidiInWakeUp* changes) { parts_->changes.store(changes, std::memory_order_release); }

std::vector<std::string> JackSession::sendingPorts() const {
  if (serverGone()) return {};
  return OtherClientsPorts(parts_->client, JackPortIsOutput);
}

std::vector<std::string> JackSession::receivingPorts() const {
  if (serverGone()) return {};
  return OtherClientsPorts(parts_->client, JackPortIsInput);
}

bool JackSession::waitCycles(int cycles, std::chrono::milliseconds limit) const {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  const std::uint64_t start = parts_->cycles.load(std::memory_order_acquire);
  while (parts_->cycles.load(std::memory_order_acquire) - start < static_cast<std::uint64_t>(cycles)) {
    if (serverGone() || std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return true;
}

int JackSession::openIn(const std::string& source, MidiInListener& listener, int handle, int& slot) {
  if (serverGone()) return kMidiErrSystemGone;
  slot = FreeSlot(parts_->in);
  if (slot < 0) return kMidiErrRefused;
  JackInSlot& in = parts_->in[slot];
  const std::string name = SlotPortName(kInPortName, slot);
  jack_port_t* port = jack_port_register(parts_->client, name.c_str(), JACK_DEFAULT_MIDI_TYPE, JackPortIsInput, 0);
  if (port == nullptr) return kMidiErrRefused;
  if (jack_connect(parts_->client, source.c_str(), jack_port_name(port)) != 0) {
    jack_port_unregister(parts_->client, port);
    return jack_port_by_name(parts_->client, source.c_str()) == nullptr ? kMidiErrDeviceGone : kMidiErrRefused;
  }
  in.port = port;
  in.listener = &listener;
  in.handle = handle;
  in.started.store(false, std::memory_order_release);
  in.active.store(true, std::memory_order_release);
  // A connection takes effect at the start of a later cycle: nothing arrives before then.
  waitCycles(3, std::chrono::seconds(1));
  return kMidiOk;
}

void JackSession::startIn(int slot, bool started) { parts_->in[slot].started.store(started, std::memory_order_release); }

int JackSession::openOut(const std::string& destination, int& slot) {
  if (serverGone()) return kMidiErrSystemGone;
  slot = FreeSlot(parts_->out);
  if (slot < 0) return kMidiErrRefused;
  JackOutSlot& out = parts_->out[slot];
  const bool virtualPort = destination.empty();
  const std::string name = virtualPort ? std::string(kVirtualPortName) : SlotPortName(kOutPortName, slot);
  jack_port_t* port = jack_port_register(parts_->client, name.c_str(), JACK_DEFAULT_MIDI_TYPE, JackPortIsOutput, 0);
  if (port == nullptr) return kMidiErrRefused;
  if (!virtualPort && jack_connect(parts_->client, jack_port_name(port), destination.c_str()) != 0) {
    jack_port_unregister(parts_->client, port);
    return jack_port_by_name(parts_->client, destination.c_str()) == nullptr ? kMidiErrDeviceGone : kMidiErrRefused;
  }
  jack_ringbuffer_reset(out.ring);  // nothing reads it while the slot is inactive
  out.port = port;
  out.virtualPort = virtualPort;
  out.active.store(true, std::memory_order_release);
  if (!virtualPort) waitCycles(3, std::chrono::seconds(1));
  return kMidiOk;
}

int JackSession::send(int slot, const unsigned char* bytes, std::size_t length) {
  if (serverGone()) return kMidiErrSystemGone;
  const JackOutSlot& out = parts_->out[slot];
  if (length == 0 || length >= kQueuedMessageSize) return kMidiErrRefused;
  // A full ring empties by a cycle's worth of messages each cycle; a server that stops running
  // cycles refuses the message rather than hanging the program.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(1);
  while (jack_ringbuffer_write_space(out.ring) < kQueuedMessageSize) {
    if (serverGone()) return kMidiErrSystemGone;
    if (std::chrono::steady_clock::now() > deadline) return kMidiErrRefused;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  unsigned char queued[kQueuedMessageSize] = {static_cast<unsigned char>(length), 0, 0, 0};
  for (std::size_t i = 0; i < length; ++i) queued[i + 1] = bytes[i];
  jack_ringbuffer_write(out.ring, reinterpret_cast<const char*>(queued), kQueuedMessageSize);
  return kMidiOk;
}

void JackSession::closeIn(int slot) {
  JackInSlot& in = parts_->in[slot];
  in.active.store(false, std::memory_order_release);
  waitCycles(2, std::chrono::seconds(1));  // the cycle under way may still read the port
  if (!serverGone()) jack_port_unregister(parts_->client, in.port);
  in.port = nullptr;
  in.listener = nullptr;
}

void JackSession::closeOut(int slot) {
  JackOutSlot& out = parts_->out[slot];
  // The messages still queued leave in the next cycles, and the peer reads them in the cycle
  // they are written: closing sooner would lose them.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
  while (jack_ringbuffer_read_space(out.ring) > 0 && !serverGone() && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  waitCycles(2, std::chrono::seconds(1));
  out.active.store(false, std::memory_order_release);
  waitCycles(2, std::chrono::seconds(1));
  if (!serverGone()) jack_port_unregister(parts_->client, out.port);
  out.port = nullptr;
}

int JackSession::inConnections(int slot) const {
  return serverGone() ? -1 : ConnectionCount(parts_->in[slot].port);
}

int JackSession::outConnections(int slot) const {
  return serverGone() ? -1 : ConnectionCount(parts_->out[slot].port);
}

}  // namespace tarnwick
#else
// Without the JACK library there is no JACK session: every service call finds none.
namespace tarnwick {
struct JackSessionParts {};
std::unique_ptr<JackSession> JackSession::Open(MidiInWakeUp*) { return nullptr; }
void JackSession::Abandon(std::unique_ptr<JackSession>) {}
JackSession::JackSession(std::unique_ptr<JackSessionParts> parts) : parts_(std::move(parts)) {}
JackSession::~JackSession() = default;
bool JackSession::serverGone() const { return true; }
bool JackSession::checkRunning(std::chrono::milliseconds) { return false; }
void JackSession::setChangeWakeUp(MidiInWakeUp*) {}
std::vector<std::string> JackSession::sendingPorts() const { return {}; }
std::vector<std::string> JackSession::receivingPorts() const { return {}; }
int JackSession::openIn(const std::string&, MidiInListener&, int, int&) { return kMidiErrNoSystem; }
void JackSession::startIn(int, bool) {}
int JackSession::openOut(const std::string&, int&) { return kMidiErrNoSystem; }
int JackSession::send(int, const unsigned char*, std::size_t) { return kMidiErrNoSystem; }
void JackSession::closeIn(int) {}
void JackSession::closeOut(int) {}
int JackSession::inConnections(int) const { return -1; }
int JackSession::outConnections(int) const { return -1; }
bool JackSession::waitCycles(int, std::chrono::milliseconds) const { return false; }
}  // namespace tarnwick
#endif
