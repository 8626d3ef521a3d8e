// SPDX-License-Identifier: GPL-3.0-or-later
// Plausible UP libraries for benchmarks, screenshots and tests that want realistic records:
// readable names, tempos in range, tones of the shipped lists, songs on a few UPs.
#pragma once

#include <array>
#include <random>
#include <string>

#include "updata/up_file.h"
#include "updata/up_record.h"

namespace tarnwick::testing {

inline void FillDemoRecord(UPRecord& up, std::mt19937& random) {
  static constexpr std::array<const char*, 16> kNames = {
      "Piano", "Jazz", "Ballad", "Strings", "Organ", "Waltz", "Polka", "Bossa",
      "Swing", "Disco", "Tango", "Rock", "Choir", "Brass", "Accord", "Guitar"};
  static constexpr std::array<const char*, 12> kStyles = {
      "8Beat", "Swing", "Waltz", "Bossa", "Disco", "SlowRock", "Polka", "Tango",
      "Shuffle", "Country", "Latin", "Ballad"};
  static constexpr std::array<const char*, 6> kSongs = {"Memory", "Yesterdy", "MyWay",
                                                        "Feelings", "Summer", "Autumn"};
  auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
  for (auto& byte : up) byte = static_cast<std::uint8_t>(random() & 0xFF);  // the bytes no one reads

  SetUPText8(up, kUPNameOffset, std::string(kNames[pick(16)]) + std::to_string(pick(100)));
  SetUPText8(up, kStyleNameOffset, kStyles[pick(12)]);
  SetUPText8(up, kSongNameOffset, pick(5) == 0 ? kSongs[pick(6)] : "????????");
  SetUPTempo(up, 60 + pick(140));
  up[field::StyleNumber.offset] = static_cast<std::uint8_t>(pick(8) == 0 ? 130 + pick(16) : pick(128));
  up[field::SongLocation.offset] = static_cast<std::uint8_t>(pick(4) == 0 ? 255 : pick(7));
  up[field::ReverbMacro.offset] = static_cast<std::uint8_t>(pick(8));
  up[field::ChorusMacro.offset] = static_cast<std::uint8_t>(pick(8));
  up[field::DelayMacro.offset] = static_cast<std::uint8_t>(pick(10));
  up[field::Pad1Button.offset] = static_cast<std::uint8_t>(pick(13));
  up[field::Pad2Button.offset] = static_cast<std::uint8_t>(pick(13));
  up[field::EFXInsertionEffect.offset] = static_cast<std::uint8_t>(pick(90));
  const int dbeam = pick(20);
  up[field::DBeamLowBits.offset] = static_cast<std::uint8_t>((up[365] & 0x0F) | ((dbeam & 0x0F) << 4));
  up[field::DBeamHighBit.offset] = static_cast<std::uint8_t>((up[159] & ~0x08) | ((dbeam >> 4) << 3));
  for (int part = 0; part < kPartCount; ++part) {
    up[0 + part] = static_cast<std::uint8_t>(40 + pick(88));
    up[16 + part] = static_cast<std::uint8_t>(pick(128));
    const bool drums = IsDrumPart(part);
    up[161 + 3 * part] = static_cast<std::uint8_t>((up[161 + 3 * part] & 0x80) | (drums ? 0 : pick(3) * 8));
    up[162 + 3 * part] = static_cast<std::uint8_t>(1 + pick(3));
    up[163 + 3 * part] = static_cast<std::uint8_t>(drums ? pick(4) * 8 : pick(128));
  }
}

// A file of `count` demo UPs with a plausible header (Disk Link names blank).
inline UPFile MakeDemoFile(int count, std::uint32_t seed) {
  std::mt19937 random(seed);
  UPFile file;
  SetUPCount(file, count);
  for (int id = 0; id < count; ++id) FillDemoRecord(file.up(id), random);
  for (int i = 0; i < kDiskLinkCount; ++i) SetDiskLinkName(file.header, i, i < 12 ? "Link" + std::to_string(i) : "");
  return file;
}

}  // namespace tarnwick::testing
