// SPDX-License-Identifier: GPL-3.0-or-later
// One open UPS file: its raw header, its UP records in ID order and its path.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <new>
#include <string>
#include <utility>
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

// Creates records without clearing them: SetUPCount clears the records it adds, and a load
// overwrites every record it creates, so a 30 MB library is not written twice.
template <typename T>
struct UninitialisedAllocator : std::allocator<T> {
  template <typename U>
  struct rebind {
    using other = UninitialisedAllocator<U>;
  };
  UninitialisedAllocator() = default;
  template <typename U>
  UninitialisedAllocator(const UninitialisedAllocator<U>&) noexcept {}

  template <typename U>
  void construct(U* p) noexcept {
    ::new (static_cast<void*>(p)) U;
  }
  template <typename U, typename... Args>
  void construct(U* p, Args&&... args) {
    ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
  }
};

using UPRecords = std::vector<UPRecord, UninitialisedAllocator<UPRecord>>;

struct UPFile {
  // Always holds at least one record; records beyond `count` are spare and never shown or saved.
  UPRecords records = UPRecords(1, UPRecord{});
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
