#include "midi/rtmidi_service.h"

#include <RtMidi.h>

#include <algorithm>
#include <atomic>
#include <climits>
#include <new>
#include <optional>

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
};

struct RtMidiOutPort {
  std::unique_ptr<RtMidiOut> midi;
  RtMidi::Api api = RtMidi::UNSPECIFIED;
  bool sent = false;  // something was sent since the port opened
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

void OnRtMidiInput(double, std::vector<unsigned char>* bytes, void* userData) {
  auto& port = *static_cast<RtMidiInPort*>(userData);
  if (!port.started.load(std::memory_order_acquire) || bytes == nullptr || bytes->empty()) return;
  const std::size_t size = bytes->size();
  if (size > 3 || (*bytes)[0] == 0xF0) {
    port.listener->MidiInProc(port.handle, MidiInEvent::LongData, 0);
    return;
  }
  const std::uint8_t data1 = size > 1 ? (*bytes)[1] : 0;
  const std::uint8_t data2 = size > 2 ? (*bytes)[2] : 0;
  port.listener->MidiInProc(port.handle, MidiInEvent::Data, PackShortMessage((*bytes)[0], data1, data2));
}

}  // namespace

RtMidiService::RtMidiService() = default;

RtMidiService::~RtMidiService() {
  for (auto& [handle, port] : inPorts_) port->started.store(false, std::memory_order_release);
  inPorts_.clear();
  while (!outPorts_.empty()) closeOut(outPorts_.begin()->first);
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
    port->midi->openPort(*index, kInPortName);
    if (!port->midi->isPortOpen()) return kMidiErrRefused;
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
    auto port = std::make_unique<RtMidiOutPort>();
    port->api = static_cast<RtMidi::Api>(wanted.api);
    port->midi = std::make_unique<RtMidiOut>(port->api, kOutClientName);
    const std::optional<unsigned> index = FindPort(*port->midi, wanted.name);
    if (!index) return kMidiErrDeviceGone;
    port->midi->openPort(*index, kOutPortName);
    if (!port->midi->isPortOpen()) return kMidiErrRefused;
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
  // JACK sends in its next cycles; closing before they have run would lose the last messages.
  if (found->second->api == RtMidi::UNIX_JACK && found->second->sent) {
    WaitForJackCycles(3, std::chrono::seconds(2));
  }
  outPorts_.erase(found);
  return kMidiOk;
}

std::string RtMidiService::inErrorText(int code) const { return MidiResultText(code); }

std::string RtMidiService::outErrorText(int code) const { return MidiResultText(code); }

}  // namespace tarnwick
