// SPDX-License-Identifier: GPL-3.0-or-later
#include "midi/midi_device_choice.h"

#include "state/midi_settings.h"

namespace tarnwick {
namespace {

constexpr char kFirstRunMark[] = "extern";

bool NamesExternPort(const MidiInCaps& caps) { return caps.name.find(kFirstRunMark) != std::string::npos; }

bool NamesExternPort(const MidiOutCaps& caps) {
  return caps.technology == kTechOutputPort && caps.name.find(kFirstRunMark) != std::string::npos;
}

template <class Caps>
DeviceChoice FirstRunChoice(const std::vector<Caps>& devices) {
  for (int row = 0; row < static_cast<int>(devices.size()); ++row) {
    if (NamesExternPort(devices[row])) return {row, row};
  }
  return {-1, kMidiNoDevice};
}

}  // namespace

DeviceChoice ChooseInDevice(int stored, const std::vector<MidiInCaps>& devices) {
  if (stored == kMidiDeviceNotChosen) return FirstRunChoice(devices);
  if (stored >= 0 && stored < static_cast<int>(devices.size())) return {stored, stored};
  return {-1, stored};
}

DeviceChoice ChooseOutDevice(int stored, const std::vector<MidiOutCaps>& devices) {
  const int rows = static_cast<int>(devices.size());
  if (stored == kMidiDeviceNotChosen) {
    DeviceChoice choice = FirstRunChoice(devices);
    if (choice.row >= 0) choice.device = OutDeviceForRow(choice.row, rows);
    return choice;
  }
  if (stored == kMidiMapperDevice && rows > 0) return {rows - 1, kMidiMapperDevice};
  // The last entry is the virtual port, whose number is -1, not its position.
  if (stored >= 0 && stored < rows - 1) return {stored, stored};
  return {-1, stored};
}

int OutDeviceForRow(int row, int rowCount) { return row == rowCount - 1 ? kMidiMapperDevice : row; }

}  // namespace tarnwick
