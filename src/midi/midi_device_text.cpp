// SPDX-License-Identifier: GPL-3.0-or-later
#include "midi/midi_device_text.h"

#include <cstdio>

namespace tarnwick {
namespace {

constexpr char kLineEnd[] = "\r\n";

std::string CommonLines(const std::string& name, std::uint16_t manufacturer, std::uint16_t product,
                        std::uint32_t version) {
  std::string text = name + kLineEnd + kLineEnd;
  text += "Manufacturer identifier: " + std::to_string(manufacturer) + kLineEnd;
  text += "Product identifier: " + std::to_string(product) + kLineEnd;
  text += "Driver version: " + DriverVersionText(version) + kLineEnd;
  return text;
}

const char* TechnologyName(std::uint16_t technology) {
  switch (technology) {
    case kTechOutputPort:
      return " Output port";
    case kTechGenericSynth:
      return " Generic internal synth";
    case kTechSquareWaveSynth:
      return " Square wave internal synth";
    case kTechFMSynth:
      return " FM internal synth";
    case kTechMidiMapper:
      return " MIDI mapper";
    default:
      return "";
  }
}

std::string UpperHex(std::uint32_t value) {
  char digits[9];
  std::snprintf(digits, sizeof digits, "%X", static_cast<unsigned>(value));
  return digits;
}

}  // namespace

std::string DriverVersionText(std::uint32_t version) {
  std::string text = std::to_string(version / 100);
  const std::uint32_t hundredths = version % 100;
  if (hundredths == 0) return text;
  text += '.';
  text += static_cast<char>('0' + hundredths / 10);
  if (hundredths % 10 != 0) text += static_cast<char>('0' + hundredths % 10);
  return text;
}

std::string InDevicePropertiesText(const MidiInCaps& caps) {
  return CommonLines(caps.name, caps.manufacturerId, caps.productId, caps.driverVersion);
}

std::string OutDevicePropertiesText(const MidiOutCaps& caps) {
  std::string text = CommonLines(caps.name, caps.manufacturerId, caps.productId, caps.driverVersion);
  text += std::string("Technology:") + TechnologyName(caps.technology) + kLineEnd;
  text += "Voices: " + std::to_string(caps.voices) + kLineEnd;
  text += "Notes: " + std::to_string(caps.notes) + kLineEnd;
  text += "ChannelMask: H" + UpperHex(caps.channelMask) + kLineEnd;
  text += std::string("Support: ") + kLineEnd;
  if (caps.support & kSupportVolume) text += std::string("          Volume control") + kLineEnd;
  if (caps.support & kSupportLeftRightVolume) {
    text += std::string("          Separate left-right volume control") + kLineEnd;
  }
  if (caps.support & kSupportPatchCaching) text += std::string("          Patch catching") + kLineEnd;
  return text;
}

}  // namespace tarnwick
