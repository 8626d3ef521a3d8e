// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/midi_check.h"

#include <algorithm>

#include "state/app_state.h"
#include "midi/midi_api.h"

namespace tarnwick {
namespace {

std::vector<std::string> InDeviceNames(MidiService& service) {
  std::vector<std::string> names;
  const int count = service.inDeviceCount();
  for (int device = 0; device < count; ++device) {
    MidiInCaps caps;
    names.push_back(service.inDeviceCaps(device, caps) == 0 ? caps.name : std::string());
  }
  return names;
}

std::vector<std::string> OutDeviceNames(MidiService& service) {
  std::vector<std::string> names;
  const int count = service.outDeviceCount();
  for (int device = 0; device < count; ++device) {
    MidiOutCaps caps;
    names.push_back(service.outDeviceCaps(device, caps) == 0 ? caps.name : std::string());
  }
  return names;
}

// Whether the device is looked up by its name (the lists are read only then).
bool KnownByName(int device, const std::string& name) { return device >= 0 && !name.empty(); }

}  // namespace

std::optional<int> DeviceToReopen(int storedDevice, const std::string& storedName, const std::vector<std::string>& names) {
  if (storedDevice < 0 || storedName.empty()) return storedDevice;
  if (storedDevice < static_cast<int>(names.size()) && names[storedDevice] == storedName) return storedDevice;
  const auto found = std::find(names.begin(), names.end(), storedName);
  if (found == names.end()) return std::nullopt;
  return static_cast<int>(found - names.begin());
}

bool ReopenMidiPorts(MidiApi& midi, MidiSettings& settings, int inStatus, int outStatus) {
  bool setupNeeded = false;
  if (inStatus == kPortNeverConfigured) {
    setupNeeded = true;
  } else if (inStatus != 0) {
    const std::optional<int> device =
        DeviceToReopen(settings.inDevice, settings.inDeviceName,
                       KnownByName(settings.inDevice, settings.inDeviceName) ? InDeviceNames(midi.service())
                                                                              : std::vector<std::string>{});
    if (device) settings.inDevice = *device;
    setupNeeded = !device || midi.OpenMidiIn(*device) != 0;
  }
  if (outStatus == kPortNeverConfigured) {
    setupNeeded = true;
  } else if (outStatus != 0) {
    const std::optional<int> device =
        DeviceToReopen(settings.outDevice, settings.outDeviceName,
                       KnownByName(settings.outDevice, settings.outDeviceName) ? OutDeviceNames(midi.service())
                                                                                : std::vector<std::string>{});
    if (device) settings.outDevice = *device;
    setupNeeded = !device || midi.OpenMidiOut(*device) != 0 || setupNeeded;
  }
  return setupNeeded;
}

}  // namespace tarnwick
