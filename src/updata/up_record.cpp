// SPDX-License-Identifier: GPL-3.0-or-later
#include "updata/up_record.h"

#include <algorithm>

namespace tarnwick {
namespace {

constexpr std::array<std::string_view, kPartCount> kPartNames = {
    "UP1", "UP2", "UP3", "LW1", "LW2", "MBS", "MDR", "MI",
    "ADR", "ABS", "AC1", "AC2", "AC3", "AC4", "AC5", "AC6"};
constexpr std::array<int, kPartCount> kPartChannels = {4, 6, 13, 11, 14, 12, 16, 15,
                                                       10, 2, 1, 3, 5, 7, 8, 9};

}  // namespace

std::string_view PartName(int part) {
  return part >= 0 && part < kPartCount ? kPartNames[part] : std::string_view{};
}

int PartChannelShown(int part) { return part >= 0 && part < kPartCount ? kPartChannels[part] : 0; }

std::string GetUPText8(const UPRecord& up, int offset) {
  return std::string(reinterpret_cast<const char*>(up.data()) + offset, kText8Size);
}

void SetUPText8(UPRecord& up, int offset, std::string_view text) {
  for (int i = 0; i < kText8Size; ++i) {
    up[offset + i] = i < static_cast<int>(text.size()) ? static_cast<std::uint8_t>(text[i]) : ' ';
  }
}

void SetUPTempo(UPRecord& up, int value) {
  up[field::Tempo.offset] = static_cast<std::uint8_t>(std::clamp(value, kTempoMin, kTempoMax));
}

std::uint8_t GetUPPartTone(const UPRecord& up, int part, int which) {
  return up[field::PartToneMSB.offset + 3 * part + which] & 0x7F;
}

std::uint8_t GetUPDBeam(const UPRecord& up) {
  return static_cast<std::uint8_t>(Read(up, field::DBeamLowBits) | (Read(up, field::DBeamHighBit) << 4));
}

std::string GetUPStyleSourceText(const UPRecord& up) {
  const int value = Read(up, field::StyleNumber);
  if (value < 128) return "Internal";
  if (value < 130) return "Disk";
  if (value < 146) return "FlashROM";
  return "Error";
}

std::string GetUPStyleNumberText(const UPRecord& up) {
  const int value = Read(up, field::StyleNumber);
  if (value < 128) return NumToUPBnk(value);
  if (value < 130) return "D88";
  if (value < 146) return NumToUPBnk(value - 2);
  return "Err";
}

std::string GetUPSongName(const UPRecord& up) {
  std::string name = GetUPText8(up, kSongNameOffset);
  return name == kNoSong ? std::string{} : name;
}

std::string GetUPSongSourceShort(const UPRecord& up) {
  if (GetUPSongName(up).empty()) return {};
  const int location = Read(up, field::SongLocation);
  if (location <= 6) return "ID" + std::to_string(location);
  return location == 255 ? "FDD" : "Err";
}

std::string GetUPSongSourceLong(const UPRecord& up) {
  if (GetUPSongName(up).empty()) return {};
  const int location = Read(up, field::SongLocation);
  if (location == 5) return "Zip Disk";
  if (location <= 6) return "SCSI ID " + std::to_string(location);
  return location == 255 ? "Floppy Dsk" : "Error";
}

std::string NumToUPBnk(int n) {
  if (n < 0 || n >= kSetUPCount) return {};
  return {static_cast<char>('A' + n / 64), static_cast<char>('1' + (n % 64) / 8),
          static_cast<char>('1' + n % 8)};
}

std::string TrimBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(' ');
  return std::string(text.substr(first, last - first + 1));
}

}  // namespace tarnwick
