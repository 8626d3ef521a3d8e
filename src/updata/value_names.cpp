// SPDX-License-Identifier: GPL-3.0-or-later
#include "updata/value_names.h"

#include <array>
#include <span>
#include <string_view>

namespace tarnwick {
namespace {

constexpr std::array<std::string_view, 8> kReverbMacros = {
    "0-Room1", "1-Room2", "2-Room3", "3-Hall1", "4-Hall2", "5-Plate", "6-Delay", "7-PanDelay"};

constexpr std::array<std::string_view, 8> kChorusMacros = {
    "0-Chorus1", "1-Chorus2", "2-Chorus3", "3-Chorus4",
    "4-FbChorus", "5-Flanger", "6-SDelay", "7-SDelayFb"};

constexpr std::array<std::string_view, 10> kDelayMacros = {
    "0-Delay1", "1-Delay2", "2-Delay3", "3-Delay4", "4-PanDelay1",
    "5-PanDelay2", "6-PanDelay3", "7-PanDelay4", "8-DlyToRev", "9-PanRepeat"};

constexpr std::array<std::string_view, 13> kPadFunctions = {
    "0-Off", "1-Rotary S/F", "2-Punch In/Out", "3-Metron On/Off", "4-ContIn On/Off",
    "5-Tap Tempo", "6-Arranger Hold", "7-DynArr On/Off", "8-UP1/2 Scale", "9-Kbd Exc UP1/2",
    "10-Kbd Exc LW1/2", "11-Kbd Arr/MBass", "12-Piano/Standrd"};

constexpr std::array<std::string_view, 20> kDBeamFunctions = {
    "0-Modulation", "1-Pitch Bend Up", "2-Pitch Bend Dwn", "3-Cut&Reso UP", "4-Cut&Reso Dwn",
    "5-Arpeg 1 Octv", "6-Arpeg 2 Octv", "7-Arpeg 3 Octv", "8-Chord 1 Octv", "9-Chord 2 Octv",
    "10-Chord 3 Octv", "11-Tempo Up", "12-Tempo Down", "13-Arr Start/Stop", "14-ADrum On/Off",
    "15-ABass On/Off", "16-Accomp On/Off", "17-ABs&ADr On/Off", "18-Acc&ABs On/Off",
    "19-Acc&ADr On/Off"};

std::string Lookup(std::span<const std::string_view> table, int value) {
  if (value < 0 || value >= static_cast<int>(table.size())) return {};
  return std::string(table[static_cast<std::size_t>(value)]);
}

std::string OnOff(bool off) { return off ? "OFF" : "ON"; }

}  // namespace

std::string ReverbMacroText(int value) { return Lookup(kReverbMacros, value); }
std::string ChorusMacroText(int value) { return Lookup(kChorusMacros, value); }
std::string DelayMacroText(int value) { return Lookup(kDelayMacros, value); }
std::string PadButtonText(int value) { return Lookup(kPadFunctions, value); }
std::string DBeamControllerText(int value) { return Lookup(kDBeamFunctions, value); }

std::string PartOnText(const UPRecord& up, int part) { return OnOff(Read(up, field::PartOff, part)); }
std::string PartEqText(const UPRecord& up, int part) { return OnOff(Read(up, field::PartEqOff, part)); }
std::string PartSongLinkText(const UPRecord& up, int part) {
  return OnOff(Read(up, field::PartSongLinkOff, part));
}
std::string PartSongStatusText(const UPRecord& up, int part) {
  return Read(up, field::PartSongMute, part) ? "Mut" : "ON";
}

std::string PartToneChangeText(const UPRecord& up, int part) {
  static constexpr std::array<std::string_view, 4> kModes = {"Old", "800", "EM", ""};
  return std::string(kModes[Read(up, field::PartSongToneChange, part)]);
}

std::string PartWrapText(const UPRecord& up, int part) {
  if (!IsArrangerPart(part)) return {};
  return Read(up, field::PartWrapFull, part) ? "Ful" : "Nat";
}

std::string PartToneArrangerText(const UPRecord& up, int part) {
  if (!IsArrangerPart(part)) return {};
  return Read(up, field::PartToneArranger, part) ? "Arr" : "Usr";
}

}  // namespace tarnwick
