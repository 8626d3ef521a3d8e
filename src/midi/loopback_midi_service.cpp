// SPDX-License-Identifier: GPL-3.0-or-later
#include "midi/loopback_midi_service.h"

#include <stdexcept>

#include "midi/midi_message.h"
#include "midi/midi_result.h"

namespace tarnwick {

LoopbackMidiService::LoopbackMidiService() {
  MidiInCaps in;
  in.name = "Loopback In";
  inDevices_.push_back(in);
  MidiOutCaps out;
  out.name = "Loopback Out";
  outDevices_.push_back(out);
  loops_[0] = 0;
}

void LoopbackMidiService::setInDevices(std::vector<MidiInCaps> devices) { inDevices_ = std::move(devices); }

void LoopbackMidiService::setOutDevices(std::vector<MidiOutCaps> devices) {
  outDevices_ = std::move(devices);
}

void LoopbackMidiService::setLoop(int outDevice, int inDevice) {
  if (inDevice < 0) {
    loops_.erase(outDevice);
  } else {
    loops_[outDevice] = inDevice;
  }
}

void LoopbackMidiService::setInCapsResult(int device, int code) { inCapsResults_[device] = code; }
void LoopbackMidiService::setOutCapsResult(int device, int code) { outCapsResults_[device] = code; }
void LoopbackMidiService::setOpenInResult(int device, int code) { openInResults_[device] = code; }
void LoopbackMidiService::setOpenOutResult(int device, int code) { openOutResults_[device] = code; }
void LoopbackMidiService::setStartInResult(int code) { startInResult_ = code; }
void LoopbackMidiService::setSendResult(int code) { sendResult_ = code; }
void LoopbackMidiService::setOpenInThrows(bool throws) { openInThrows_ = throws; }

std::vector<std::string> LoopbackMidiService::sentText() const {
  std::vector<std::string> texts;
  texts.reserve(sent_.size());
  for (const SentMessage& sent : sent_) texts.push_back(FormatShortMessage(sent.message));
  return texts;
}

int LoopbackMidiService::openInPorts() const {
  int count = 0;
  for (const auto& [handle, port] : ports_) count += port.input ? 1 : 0;
  return count;
}

int LoopbackMidiService::openOutPorts() const {
  return static_cast<int>(ports_.size()) - openInPorts();
}

bool LoopbackMidiService::receive(int inDevice, std::uint32_t message, MidiInEvent event) {
  for (const auto& [handle, port] : ports_) {
    if (port.input && port.device == inDevice && port.started) {
      port.listener->MidiInProc(handle, event, message);
      return true;
    }
  }
  return false;
}

int LoopbackMidiService::resultFor(const std::map<int, int>& results, int device) {
  const auto found = results.find(device);
  return found == results.end() ? kMidiOk : found->second;
}

int LoopbackMidiService::addPort(Port port) {
  ++lastHandle_;
  ports_.emplace(lastHandle_, port);
  return lastHandle_;
}

int LoopbackMidiService::inDeviceCount() { return static_cast<int>(inDevices_.size()); }

int LoopbackMidiService::outDeviceCount() { return static_cast<int>(outDevices_.size()); }

int LoopbackMidiService::inDeviceCaps(int device, MidiInCaps& caps) {
  if (device < 0 || device >= inDeviceCount()) return kMidiErrBadDevice;
  if (const int code = resultFor(inCapsResults_, device); code != kMidiOk) return code;
  caps = inDevices_[device];
  return kMidiOk;
}

int LoopbackMidiService::outDeviceCaps(int device, MidiOutCaps& caps) {
  if (device == kVirtualOutDevice) {
    caps = MidiOutCaps{};
    caps.name = kVirtualPortName;
    caps.technology = kTechMidiMapper;
    return kMidiOk;
  }
  if (device < 0 || device >= outDeviceCount()) return kMidiErrBadDevice;
  if (const int code = resultFor(outCapsResults_, device); code != kMidiOk) return code;
  caps = outDevices_[device];
  return kMidiOk;
}

int LoopbackMidiService::openIn(int device, MidiInListener& listener, int& handle) {
  handle = 0;
  if (openInThrows_) throw std::runtime_error("the MIDI system cannot be called");
  if (device < 0 || device >= inDeviceCount()) return kMidiErrBadDevice;
  if (const int code = resultFor(openInResults_, device); code != kMidiOk) return code;
  handle = addPort({device, true, false, &listener});
  ++inOpenCount_;
  return kMidiOk;
}

int LoopbackMidiService::startIn(int handle) {
  const auto found = ports_.find(handle);
  if (found == ports_.end() || !found->second.input) return kMidiErrInvalidHandle;
  if (startInResult_ != kMidiOk) return startInResult_;
  found->second.started = true;
  return kMidiOk;
}

int LoopbackMidiService::stopIn(int handle) {
  const auto found = ports_.find(handle);
  if (found == ports_.end() || !found->second.input) return kMidiErrInvalidHandle;
  found->second.started = false;
  return kMidiOk;
}

int LoopbackMidiService::closeIn(int handle) {
  const auto found = ports_.find(handle);
  if (found == ports_.end() || !found->second.input) return kMidiErrInvalidHandle;
  ports_.erase(found);
  return kMidiOk;
}

int LoopbackMidiService::openOut(int device, int& handle) {
  handle = 0;
  if (device != kVirtualOutDevice && (device < 0 || device >= outDeviceCount())) return kMidiErrBadDevice;
  if (const int code = resultFor(openOutResults_, device); code != kMidiOk) return code;
  handle = addPort({device, false, false, nullptr});
  return kMidiOk;
}

int LoopbackMidiService::sendShort(int handle, std::uint32_t message) {
  const auto found = ports_.find(handle);
  if (found == ports_.end() || found->second.input) return kMidiErrInvalidHandle;
  if (found->second.lost) return found->second.systemGone ? kMidiErrSystemGone : kMidiErrDeviceGone;
  if (sendResult_ != kMidiOk) return sendResult_;
  const int device = found->second.device;
  sent_.push_back({device, message});
  if (const auto loop = loops_.find(device); loop != loops_.end()) receive(loop->second, message);
  return kMidiOk;
}

int LoopbackMidiService::closeOut(int handle) {
  const auto found = ports_.find(handle);
  if (found == ports_.end() || found->second.input) return kMidiErrInvalidHandle;
  ports_.erase(found);
  return kMidiOk;
}

void LoopbackMidiService::loseOpenPorts(bool systemGone) {
  for (auto& [handle, port] : ports_) {
    port.lost = true;
    port.systemGone = systemGone;
    port.started = false;
  }
  if (notify_) notify_();
}

std::vector<MidiService::LostPort> LoopbackMidiService::takeLostPorts() {
  std::vector<LostPort> lost;
  for (auto port = ports_.begin(); port != ports_.end();) {
    if (!port->second.lost) {
      ++port;
      continue;
    }
    lost.push_back({port->first, port->second.input, port->second.systemGone});
    port = ports_.erase(port);
  }
  return lost;
}

std::string LoopbackMidiService::inErrorText(int code) const { return MidiResultText(code); }

std::string LoopbackMidiService::outErrorText(int code) const { return MidiResultText(code); }

}  // namespace tarnwick
