// One open UPS file: its raw header, its UP records in ID order and its path.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "updata/up_record.h"

namespace tarnwick {

inline constexpr int kUPSHeaderSize = 1942;
inline constexpr int kMaxUPCount = 65535;
inline constexpr int kDiskLinkCount = 111;
inline constexpr int kDiskLinkOffset = 610;
inline constexpr int kDiskLinkEntrySize = 12;
inline constexpr int kUPCountOffset = 58;

using UPSHeader = std::array<std::uint8_t, kUPSHeaderSize>;

struct UPFile {
  // Always holds at least one record; records beyond `count` are spare and never shown or saved.
  std::vector<UPRecord> records = std::vector<UPRecord>(1, UPRecord{});
  int count = 0;
  UPSHeader header{};
  std::string path;  // empty for a new file that has no name yet

  UPRecord& up(int id) { return records[static_cast<std::size_t>(id)]; }
  const UPRecord& up(int id) const { return records[static_cast<std::size_t>(id)]; }
};

// Resizes to n records (existing contents kept, new ones zero-filled). Refuses any n outside
// 0..65535 with false and leaves the file unchanged.
bool SetUPCount(UPFile& file, int n);

// The two files the program works on: index 0 is File 0 (left grid), 1 is File 1.
struct UPData {
  std::array<UPFile, 2> files;
};

// Header fields the program reads and writes.
std::string HeaderMagic(const UPSHeader& header);
int HeaderUPCount(const UPSHeader& header);
std::string GetDiskLinkName(const UPSHeader& header, int index);  // 8 bytes, untrimmed
void SetDiskLinkName(UPSHeader& header, int index, std::string_view name);

}  // namespace tarnwick
