// SPDX-License-Identifier: GPL-3.0-or-later
#include "midi/rtmidi_service.h"

#include <RtMidi.h>

#include <algorithm>
#include <atomic>
#include <climits>
#include <new>
#include <optional>

#include "midi/jack_watch.h"
#include "midi/midi_message.h"
#include "midi/midi_result.h"
#include "midi/midi_system_probe.h"

namespace tarnwick {

struct RtMidiInPort {
  std::unique_ptr<RtMidiIn> midi;
  RtMidi::Api api = RtMidi::UNSPECIFIED;
  MidiInListener* listener = nullptr;
  int handle = 0;
  std::atomic<bool> started{false};
  std::string jackName;  // "client:port" of this program's port on JACK; empty elsewhere
  int jackEpoch = 0;     // which watch's server the port was opened on
};

struct RtMidiOutPort {
  std::unique_ptr<RtMidiOut> midi;
  RtMidi::Api api = RtMidi::UNSPECIFIED;
  bool sent = false;  // something was sent since the port opened
  bool virtualPort = false;
  std::string jackName;
  int jackEpoch = 0;
};

namespace {

constexpr char kProbeClientName[] = "Tarnwick Probe";
constexpr char kInClientName[] = "Tarnwick In";
constexpr char kOutClientName[] = "Tarnwick Out";
constexpr char kInPortName[] = "MIDI In";
constexpr char kOutPortName[] = "MIDI Out";

bool ApiCanStart(RtMidi::Api api) {
  switch (api) {
    case RtMidi::LINUX_ALSA:
      return AlsaSequencerPresent();
    case RtMidi::UNIX_JACK:
      return JackServerRunning();
    default:
      return true;
  }
}

// The MIDI systems to list, in the order their ports are numbered.
std::vector<RtMidi::Api> UsableApis() {
  static constexpr RtMidi::Api kOrder[] = {RtMidi::LINUX_ALSA, RtMidi::UNIX_JACK, RtMidi::MACOSX_CORE,
                                           RtMidi::WINDOWS_MM};
  std::vector<RtMidi::Api> compiled;
  RtMidi::getCompiledApi(compiled);
  std::vector<RtMidi::Api> usable;
  for (const RtMidi::Api api : kOrder) {
    const bool isCompiled = std::find(compiled.begin(), compiled.end(), api) != compiled.end();
    if (isCompiled && ApiCanStart(api)) usable.push_back(api);
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
std::vector<RtMidiService::ListedPort> ListPorts() {
  std::vector<RtMidiService::ListedPort> ports;
  for (const RtMidi::Api api : UsableApis()) {
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
  return ports;
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

// A JACK connection takes effect at the start of a later cycle: messages sent or received before
// then would go nowhere.
void WaitUntilConnected(RtMidi::Api api) {
  if (api == RtMidi::UNIX_JACK) WaitForJackCycles(3, std::chrono::seconds(1));
}

// RtMidi's JACK objects close their client when destroyed; once the server has gone, libjack
// crashes in that close. Such an object is let go without being destroyed: its memory is the
// price of carrying on.
template <class Port>
void Abandon(Port& port) {
  [[maybe_unused]] auto* kept = port.midi.release();
}

std::vector<std::string> JackPortsNamed(const JackWatch* watch, const std::string& portName) {
  return watch != nullptr ? watch->midiPortsNamed(portName) : std::vector<std::string>{};
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
  setLossNotifier(nullptr);
  if (jackServerGone()) {
    [[maybe_unused]] auto* kept = jackWatch_.release();
  }
  jackWatch_.reset();
}

JackWatch* RtMidiService::jackWatch() {
  if (jackServerGone()) {
    [[maybe_unused]] auto* kept = jackWatch_.release();  // its client died with the server
  }
  if (!jackWatch_) {
    jackWatch_ = JackWatch::Start([notice = notice_] {
      std::lock_guard<std::mutex> hold(notice->lock);
      if (notice->notify) notice->notify();
    });
    ++jackEpoch_;
  }
  return jackWatch_.get();
}

bool RtMidiService::jackServerGone() const { return jackWatch_ && jackWatch_->serverGone(); }

bool RtMidiService::serverGoneUnder(int api, int jackEpoch) const {
  return api == RtMidi::UNIX_JACK && (jackEpoch != jackEpoch_ || jackServerGone());
}

void RtMidiService::setLossNotifier(std::function<void()> notify) {
  std::lock_guard<std::mutex> hold(notice_->lock);
  notice_->notify = std::move(notify);
}

bool RtMidiService::peerGone(bool virtualPort, const std::string& jackName) const {
  return !virtualPort && !jackName.empty() && jackWatch_ && jackWatch_->connections(jackName) == 0;
}

std::vector<MidiService::LostPort> RtMidiService::takeLostPorts() {
  std::vector<LostPort> lost;
  for (const auto& [handle, port] : inPorts_) {
    if (port->api != RtMidi::UNIX_JACK) continue;
    const bool gone = serverGoneUnder(port->api, port->jackEpoch);
    if (gone || peerGone(false, port->jackName)) lost.push_back({handle, true, gone});
  }
  for (const auto& [handle, port] : outPorts_) {
    if (port->api != RtMidi::UNIX_JACK) continue;
    const bool gone = serverGoneUnder(port->api, port->jackEpoch);
    if (gone || peerGone(port->virtualPort, port->jackName)) lost.push_back({handle, false, gone});
  }
  for (const LostPort& port : lost) port.input ? closeIn(port.handle) : closeOut(port.handle);
  return lost;
}

int RtMidiService::outConnections(int handle) {
  const auto found = outPorts_.find(handle);
  if (found == outPorts_.end() || found->second->jackName.empty() || !jackWatch_) return -1;
  return jackWatch_->connections(found->second->jackName);
}

void RtMidiService::readInList() {
  inList_ = ListPorts<RtMidiIn>();
  inListRead_ = true;
}

void RtMidiService::readOutList() {
  outList_ = ListPorts<RtMidiOut>();
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

int RtMidiService::openIn(int device, MidiInListener& listener, int& handle) {
  handle = 0;
  if (!inListRead_) readInList();
  if (device < 0 || device >= static_cast<int>(inList_.size())) return kMidiErrBadDevice;
  const ListedPort& wanted = inList_[device];
  try {
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
    const JackWatch* watch = port->api == RtMidi::UNIX_JACK ? jackWatch() : nullptr;
    const std::vector<std::string> before = JackPortsNamed(watch, kInPortName);
    port->midi->openPort(*index, kInPortName);
    if (!port->midi->isPortOpen()) return kMidiErrRefused;
    port->jackName = NewPortName(before, JackPortsNamed(watch, kInPortName));
    port->jackEpoch = jackEpoch_;
    WaitUntilConnected(port->api);
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
  return kMidiOk;
}

int RtMidiService::stopIn(int handle) {
  const auto found = inPorts_.find(handle);
  if (found == inPorts_.end()) return kMidiErrInvalidHandle;
  found->second->started.store(false, std::memory_order_release);
  return kMidiOk;
}

int RtMidiService::closeIn(int handle) {
  const auto found = inPorts_.find(handle);
  if (found == inPorts_.end()) return kMidiErrInvalidHandle;
  found->second->started.store(false, std::memory_order_release);
  const RtMidiInPort& port = *found->second;
  if (serverGoneUnder(port.api, port.jackEpoch) || (port.api == RtMidi::UNIX_JACK && !JackServerRunning())) {
    Abandon(*found->second);
  }
  // Destroying the RtMidiIn closes the port and waits for its thread: no callback comes later.
  inPorts_.erase(found);
  return kMidiOk;
}

int RtMidiService::openVirtualOut(int& handle) {
  const std::vector<RtMidi::Api> apis = UsableApis();
  if (apis.empty()) return kMidiErrNoSystem;
  int result = kMidiErrRefused;
  for (const RtMidi::Api api : apis) {
    try {
      auto port = std::make_unique<RtMidiOutPort>();
      port->midi = std::make_unique<RtMidiOut>(api, kVirtualPortName);
      port->api = api;
      port->virtualPort = true;
      const JackWatch* watch = api == RtMidi::UNIX_JACK ? jackWatch() : nullptr;
      const std::vector<std::string> before = JackPortsNamed(watch, kVirtualPortName);
      port->midi->openVirtualPort(kVirtualPortName);
      port->jackName = NewPortName(before, JackPortsNamed(watch, kVirtualPortName));
      port->jackEpoch = jackEpoch_;
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
    auto port = std::make_unique<RtMidiOutPort>();
    port->api = static_cast<RtMidi::Api>(wanted.api);
    port->midi = std::make_unique<RtMidiOut>(port->api, kOutClientName);
    const std::optional<unsigned> index = FindPort(*port->midi, wanted.name);
    if (!index) return kMidiErrDeviceGone;
    const JackWatch* watch = port->api == RtMidi::UNIX_JACK ? jackWatch() : nullptr;
    const std::vector<std::string> before = JackPortsNamed(watch, kOutPortName);
    port->midi->openPort(*index, kOutPortName);
    if (!port->midi->isPortOpen()) return kMidiErrRefused;
    port->jackName = NewPortName(before, JackPortsNamed(watch, kOutPortName));
    port->jackEpoch = jackEpoch_;
    WaitUntilConnected(port->api);
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
  // The client of a server that has gone takes the message and drops it: never touched again.
  if (serverGoneUnder(found->second->api, found->second->jackEpoch)) return kMidiErrSystemGone;
  // Nor would anybody hear it once the peer the port was connected to has vanished.
  if (peerGone(found->second->virtualPort, found->second->jackName)) return kMidiErrDeviceGone;
  const unsigned char bytes[3] = {StatusOf(message), Data1Of(message), Data2Of(message)};
  try {
    found->second->midi->sendMessage(bytes, static_cast<std::size_t>(ShortMessageLength(bytes[0])));
    found->second->sent = true;
    return kMidiOk;
  } catch (const RtMidiError& error) {
    return CodeFor(error);
  }
}

int RtMidiService::closeOut(int handle) {
  const auto found = outPorts_.find(handle);
  if (found == outPorts_.end()) return kMidiErrInvalidHandle;
  const RtMidiOutPort& port = *found->second;
  if (serverGoneUnder(port.api, port.jackEpoch) || (port.api == RtMidi::UNIX_JACK && !JackServerRunning())) {
    Abandon(*found->second);
  } else if (found->second->api == RtMidi::UNIX_JACK && found->second->sent) {
    // JACK sends in its next cycles; closing before they have run would lose the last messages.
    WaitForJackCycles(3, std::chrono::seconds(2));
  }
  outPorts_.erase(found);
  return kMidiOk;
}

std::string RtMidiService::inErrorText(int code) const { return MidiResultText(code); }

std::string RtMidiService::outErrorText(int code) const { return MidiResultText(code); }

}  // namespace tarnwick
