// SPDX-License-Identifier: GPL-3.0-or-later
#include "midi/rtmidi_service.h"

#include <QCoreApplication>
#include <QThread>

#include <RtMidi.h>

#include <algorithm>
#include <atomic>
#include <climits>
#include <new>
#include <optional>

#include "midi/jack_session.h"
#include "midi/midi_in_wakeup.h"
#include "midi/midi_message.h"
#include "midi/midi_result.h"
#include "midi/midi_system_probe.h"

namespace tarnwick {

// A port of the service: an RtMidi object, or a slot of the JACK session (midi is then empty).
struct RtMidiInPort {
  std::unique_ptr<RtMidiIn> midi;
  RtMidi::Api api = RtMidi::UNSPECIFIED;
  MidiInListener* listener = nullptr;
  int handle = 0;
  std::atomic<bool> started{false};
  int jackSlot = -1;
  int jackEpoch = 0;  // the session the port was opened under
};

struct RtMidiOutPort {
  std::unique_ptr<RtMidiOut> midi;
  RtMidi::Api api = RtMidi::UNSPECIFIED;
  bool virtualPort = false;
  int jackSlot = -1;
  int jackEpoch = 0;
};

namespace {

constexpr char kProbeClientName[] = "Tarnwick Probe";
// How long a server may run no cycle before, at exit, it counts as gone (JackSession::checkRunning):
// longer than a synchronous server waits for a slow client.
constexpr std::chrono::milliseconds kStallLimit{3000};
constexpr char kInClientName[] = "Tarnwick In";
constexpr char kOutClientName[] = "Tarnwick Out";
constexpr char kInPortName[] = "MIDI In";
constexpr char kOutPortName[] = "MIDI Out";

// The MIDI systems to list, in the order their ports are numbered. JACK is listed through the
// program's own client, never through RtMidi's.
std::vector<RtMidi::Api> UsableApis() {
  static constexpr RtMidi::Api kOrder[] = {RtMidi::LINUX_ALSA, RtMidi::UNIX_JACK, RtMidi::MACOSX_CORE,
                                           RtMidi::WINDOWS_MM};
  std::vector<RtMidi::Api> compiled;
  RtMidi::getCompiledApi(compiled);
  std::vector<RtMidi::Api> usable;
  for (const RtMidi::Api api : kOrder) {
    const bool isCompiled = std::find(compiled.begin(), compiled.end(), api) != compiled.end();
    if (api == RtMidi::UNIX_JACK || (isCompiled && (api != RtMidi::LINUX_ALSA || AlsaSequencerPresent()))) {
      usable.push_back(api);
    }
  }
  return usable;
}

int CodeFor(const RtMidiError& error) {
  switch (error.getType()) {
    case RtMidiError::NO_DEVICES_FOUND:
      return kMidiErrNoSystem;
    case RtMidiError::INVALID_DEVICE:
      return kMidiErrDeviceGone;
    case RtMidiError::MEMORY_ERROR:
      return kMidiErrNoMemory;
    case RtMidiError::DRIVER_ERROR:
    case RtMidiError::SYSTEM_ERROR:
      return kMidiErrRefused;
    default:
      return kMidiErrUnknown;
  }
}

template <class Probe>
void ListRtMidiPorts(RtMidi::Api api, std::vector<RtMidiService::ListedPort>& ports) {
  try {
    Probe probe(api, kProbeClientName);
    const unsigned count = probe.getPortCount();
    for (unsigned i = 0; i < count; ++i) {
      std::string name = probe.getPortName(i);
      if (!name.empty()) ports.push_back({static_cast<int>(api), std::move(name)});
    }
  } catch (const RtMidiError&) {
    // A system that fails while listing is left out, like one that cannot start.
  }
}

void ListJackPorts(const std::vector<std::string>& names, std::vector<RtMidiService::ListedPort>& ports) {
  for (const std::string& name : names) ports.push_back({static_cast<int>(RtMidi::UNIX_JACK), name});
}

// Where the port listed as `name` is now: ports of other programs come and go between the
// listing and the opening, so the number alone could name another port by then.
std::optional<unsigned> FindPort(RtMidi& midi, const std::string& name) {
  const unsigned count = midi.getPortCount();
  for (unsigned i = 0; i < count; ++i) {
    if (midi.getPortName(i) == name) return i;
  }
  return std::nullopt;
}

void OnRtMidiInput(double, std::vector<unsigned char>* bytes, void* userData) {
  auto& port = *static_cast<RtMidiInPort*>(userData);
  if (!port.started.load(std::memory_order_acquire) || bytes == nullptr || bytes->empty()) return;
  if ((*bytes)[0] == 0xF0) {
    port.listener->MidiInProc(port.handle, MidiInEvent::LongData, 0);
    return;
  }
  // A status without its data bytes, data bytes of 0x80 or more or bytes past the message's
  // length make no message: reported as an error, never decoded.
  std::uint32_t packed = 0;
  const bool wellFormed = PackReceivedBytes(bytes->data(), bytes->size(), packed);
  port.listener->MidiInProc(port.handle, wellFormed ? MidiInEvent::Data : MidiInEvent::Error, packed);
}

}  // namespace

RtMidiService::RtMidiService() = default;

RtMidiService::~RtMidiService() {
  while (!inPorts_.empty()) closeIn(inPorts_.begin()->first);
  while (!outPorts_.empty()) closeOut(outPorts_.begin()->first);
  if (jack_ && !jack_->checkRunning(kStallLimit)) {
    JackSession::Abandon(std::move(jack_));
    abandonedSession_ = true;
  }
  jack_.reset();  // closes the client: no callback runs after this
  // A session let go with its server may still wake this object from a callback that never
  // returned: it stays.
  if (jackChanges_ == nullptr) return;
  if (abandonedSession_) {
    QObject::disconnect(jackChanges_, nullptr, nullptr, nullptr);
  } else {
    delete jackChanges_;
  }
}

JackSession* RtMidiService::jackSession() {
  if (jack_ && jack_->serverGone()) {
    JackSession::Abandon(std::move(jack_));
    abandonedSession_ = true;
  }
  if (!jack_) {
    jack_ = JackSession::Open(jackChanges_);
    if (jack_) ++jackEpoch_;
  }
  return jack_.get();
}

JackSession* RtMidiService::liveSession(int jackEpoch) const {
  if (!jack_ || jackEpoch != jackEpoch_ || jack_->serverGone()) return nullptr;
  return jack_.get();
}

void RtMidiService::setLossNotifier(std::function<void()> notify) {
  notify_ = std::move(notify);
  // The wake-up needs the event loop of the window thread (a command-line run may have none).
  const QCoreApplication* app = QCoreApplication::instance();
  if (!notify_ || jackChanges_ != nullptr || app == nullptr || QThread::currentThread() != app->thread()) return;
  jackChanges_ = new MidiInWakeUp;
  QObject::connect(jackChanges_, &MidiInWakeUp::woken, [this] {
    if (notify_) notify_();
  });
  if (jack_) jack_->setChangeWakeUp(jackChanges_);
}

bool RtMidiService::jackPortLost(int jackEpoch, int connections, bool virtualPort) const {
  return liveSession(jackEpoch) == nullptr || (!virtualPort && connections == 0);
}

std::vector<MidiService::LostPort> RtMidiService::takeLostPorts() {
  std::vector<LostPort> lost;
  for (const auto& [handle, port] : inPorts_) {
    if (port->jackSlot < 0) continue;
    const JackSession* session = liveSession(port->jackEpoch);
    const int connections = session != nullptr ? session->inConnections(port->jackSlot) : -1;
    if (jackPortLost(port->jackEpoch, connections, false)) lost.push_back({handle, true, session == nullptr});
  }
  for (const auto& [handle, port] : outPorts_) {
    if (port->jackSlot < 0) continue;
    const JackSession* session = liveSession(port->jackEpoch);
    const int connections = session != nullptr ? session->outConnections(port->jackSlot) : -1;
    if (jackPortLost(port->jackEpoch, connections, port->virtualPort)) {
      lost.push_back({handle, false, session == nullptr});
    }
  }
  for (const LostPort& port : lost) port.input ? closeIn(port.handle) : closeOut(port.handle);
  return lost;
}

int RtMidiService::outConnections(int handle) {
  const auto found = outPorts_.find(handle);
  if (found == outPorts_.end() || found->second->jackSlot < 0) return -1;
  const JackSession* session = liveSession(found->second->jackEpoch);
  return session != nullptr ? session->outConnections(found->second->jackSlot) : -1;
}

void RtMidiService::readInList() {
  inList_.clear();
  for (const RtMidi::Api api : UsableApis()) {
    if (api != RtMidi::UNIX_JACK) {
      ListRtMidiPorts<RtMidiIn>(api, inList_);
    } else if (JackSession* session = jackSession()) {
      ListJackPorts(session->sendingPorts(), inList_);
    }
  }
  inListRead_ = true;
}

void RtMidiService::readOutList() {
  outList_.clear();
  for (const RtMidi::Api api : UsableApis()) {
    if (api != RtMidi::UNIX_JACK) {
      ListRtMidiPorts<RtMidiOut>(api, outList_);
    } else if (JackSession* session = jackSession()) {
      ListJackPorts(session->receivingPorts(), outList_);
    }
  }
  outListRead_ = true;
}

int RtMidiService::inDeviceCount() {
  readInList();
  return static_cast<int>(inList_.size());
}

int RtMidiService::outDeviceCount() {
  readOutList();
  return static_cast<int>(outList_.size());
}

int RtMidiService::inDeviceCaps(int device, MidiInCaps& caps) {
  if (!inListRead_) readInList();
  if (device < 0 || device >= static_cast<int>(inList_.size())) return kMidiErrBadDevice;
  caps = MidiInCaps{};
  caps.name = inList_[device].name;
  return kMidiOk;
}

int RtMidiService::outDeviceCaps(int device, MidiOutCaps& caps) {
  caps = MidiOutCaps{};
  if (device == kVirtualOutDevice) {
    caps.name = kVirtualPortName;
    caps.technology = kTechMidiMapper;
    return kMidiOk;
  }
  if (!outListRead_) readOutList();
  if (device < 0 || device >= static_cast<int>(outList_.size())) return kMidiErrBadDevice;
  caps.name = outList_[device].name;
  caps.technology = kTechOutputPort;
  return kMidiOk;
}

int RtMidiService::takeHandle() {
  do {
    lastHandle_ = lastHandle_ == INT_MAX ? 1 : lastHandle_ + 1;
  } while (inPorts_.count(lastHandle_) != 0 || outPorts_.count(lastHandle_) != 0);
  return lastHandle_;
}

int RtMidiService::openJackIn(const std::string& source, MidiInListener& listener, int& handle) {
  JackSession* session = jackSession();
  if (session == nullptr) return kMidiErrSystemGone;
  auto port = std::make_unique<RtMidiInPort>();
  port->api = RtMidi::UNIX_JACK;
  port->listener = &listener;
  port->handle = takeHandle();
  port->jackEpoch = jackEpoch_;
  if (const int code = session->openIn(source, listener, port->handle, port->jackSlot); code != kMidiOk) return code;
  handle = port->handle;
  inPorts_.emplace(handle, std::move(port));
  return kMidiOk;
}

int RtMidiService::openIn(int device, MidiInListener& listener, int& handle) {
  handle = 0;
  if (!inListRead_) readInList();
  if (device < 0 || device >= static_cast<int>(inList_.size())) return kMidiErrBadDevice;
  const ListedPort& wanted = inList_[device];
  try {
    if (wanted.api == RtMidi::UNIX_JACK) return openJackIn(wanted.name, listener, handle);
    auto port = std::make_unique<RtMidiInPort>();
    port->api = static_cast<RtMidi::Api>(wanted.api);
    port->midi = std::make_unique<RtMidiIn>(port->api, kInClientName);
    const std::optional<unsigned> index = FindPort(*port->midi, wanted.name);
    if (!index) return kMidiErrDeviceGone;
    port->listener = &listener;
    port->handle = takeHandle();
    port->midi->setCallback(&OnRtMidiInput, port.get());
    // System-exclusive stays out; clock and active sensing come through, for the handler to drop.
    port->midi->ignoreTypes(true, false, false);
    port->midi->openPort(*index, kInPortName);
    if (!port->midi->isPortOpen()) return kMidiErrRefused;
    handle = port->handle;
    inPorts_.emplace(handle, std::move(port));
    return kMidiOk;
  } catch (const RtMidiError& error) {
    return CodeFor(error);
  } catch (const std::bad_alloc&) {
    return kMidiErrNoMemory;
  }
}

int RtMidiService::startIn(int handle) {
  const auto found = inPorts_.find(handle);
  if (found == inPorts_.end()) return kMidiErrInvalidHandle;
  found->second->started.store(true, std::memory_order_release);
  if (JackSession* session = liveSession(found->second->jackEpoch); session && found->second->jackSlot >= 0) {
    session->startIn(found->second->jackSlot, true);
  }
  return kMidiOk;
}

int RtMidiService::stopIn(int handle) {
  const auto found = inPorts_.find(handle);
  if (found == inPorts_.end()) return kMidiErrInvalidHandle;
  found->second->started.store(false, std::memory_order_release);
  if (JackSession* session = liveSession(found->second->jackEpoch); session && found->second->jackSlot >= 0) {
    session->startIn(found->second->jackSlot, false);
  }
  return kMidiOk;
}

int RtMidiService::closeIn(int handle) {
  const auto found = inPorts_.find(handle);
  if (found == inPorts_.end()) return kMidiErrInvalidHandle;
  RtMidiInPort& port = *found->second;
  port.started.store(false, std::memory_order_release);
  // A port of a session whose server has gone is left as it is, with the session.
  if (JackSession* session = liveSession(port.jackEpoch); session && port.jackSlot >= 0) session->closeIn(port.jackSlot);
  // Destroying an RtMidiIn closes the port and waits for its thread: no callback comes later.
  inPorts_.erase(found);
  return kMidiOk;
}

int RtMidiService::openJackOut(const std::string& destination, int& handle) {
  JackSession* session = jackSession();
  if (session == nullptr) return destination.empty() ? kMidiErrNoSystem : kMidiErrSystemGone;
  auto port = std::make_unique<RtMidiOutPort>();
  port->api = RtMidi::UNIX_JACK;
  port->virtualPort = destination.empty();
  port->jackEpoch = jackEpoch_;
  if (const int code = session->openOut(destination, port->jackSlot); code != kMidiOk) return code;
  handle = takeHandle();
  outPorts_.emplace(handle, std::move(port));
  return kMidiOk;
}

int RtMidiService::openVirtualOut(int& handle) {
  int result = kMidiErrNoSystem;
  for (const RtMidi::Api api : UsableApis()) {
    if (api == RtMidi::UNIX_JACK) {
      result = openJackOut({}, handle);
      if (result == kMidiOk) return result;
      continue;
    }
    try {
      auto port = std::make_unique<RtMidiOutPort>();
      port->midi = std::make_unique<RtMidiOut>(api, kVirtualPortName);
      port->api = api;
      port->virtualPort = true;
      port->midi->openVirtualPort(kVirtualPortName);
      handle = takeHandle();
      outPorts_.emplace(handle, std::move(port));
      return kMidiOk;
    } catch (const RtMidiError& error) {
      result = CodeFor(error);
    } catch (const std::bad_alloc&) {
      return kMidiErrNoMemory;
    }
  }
  return result;
}

int RtMidiService::openOut(int device, int& handle) {
  handle = 0;
  if (device == kVirtualOutDevice) return openVirtualOut(handle);
  if (!outListRead_) readOutList();
  if (device < 0 || device >= static_cast<int>(outList_.size())) return kMidiErrBadDevice;
  const ListedPort& wanted = outList_[device];
  try {
    if (wanted.api == RtMidi::UNIX_JACK) return openJackOut(wanted.name, handle);
    auto port = std::make_unique<RtMidiOutPort>();
    port->api = static_cast<RtMidi::Api>(wanted.api);
    port->midi = std::make_unique<RtMidiOut>(port->api, kOutClientName);
    const std::optional<unsigned> index = FindPort(*port->midi, wanted.name);
    if (!index) return kMidiErrDeviceGone;
    port->midi->openPort(*index, kOutPortName);
    if (!port->midi->isPortOpen()) return kMidiErrRefused;
    handle = takeHandle();
    outPorts_.emplace(handle, std::move(port));
    return kMidiOk;
  } catch (const RtMidiError& error) {
    return CodeFor(error);
  } catch (const std::bad_alloc&) {
    return kMidiErrNoMemory;
  }
}

int RtMidiService::sendShort(int handle, std::uint32_t message) {
  const auto found = outPorts_.find(handle);
  if (found == outPorts_.end()) return kMidiErrInvalidHandle;
  const RtMidiOutPort& port = *found->second;
  const unsigned char bytes[3] = {StatusOf(message), Data1Of(message), Data2Of(message)};
  const auto length = static_cast<std::size_t>(ShortMessageLength(bytes[0]));
  if (port.jackSlot >= 0) {
    // A session whose server has gone takes nothing more; nor would anybody hear a message once
    // the peer the port was connected to has vanished.
    JackSession* session = liveSession(port.jackEpoch);
    if (session == nullptr) return kMidiErrSystemGone;
    if (!port.virtualPort && session->outConnections(port.jackSlot) == 0) return kMidiErrDeviceGone;
    return session->send(port.jackSlot, bytes, length);
  }
  try {
    port.midi->sendMessage(bytes, length);
    return kMidiOk;
  } catch (const RtMidiError& error) {
    return CodeFor(error);
  }
}

int RtMidiService::closeOut(int handle) {
  const auto found = outPorts_.find(handle);
  if (found == outPorts_.end()) return kMidiErrInvalidHandle;
  const RtMidiOutPort& port = *found->second;
  if (JackSession* session = liveSession(port.jackEpoch); session && port.jackSlot >= 0) {
    session->closeOut(port.jackSlot);
  }
  outPorts_.erase(found);
  return kMidiOk;
}

std::string RtMidiService::inErrorText(int code) const { return MidiResultText(code); }

std::string RtMidiService::outErrorText(int code) const { return MidiResultText(code); }

}  // namespace tarnwick
