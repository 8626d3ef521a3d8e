// SPDX-License-Identifier: GPL-3.0-or-later
#include "updata/disk_link.h"

#include "updata/up_file.h"

namespace tarnwick {
namespace {

// Entry 0 sits where location 144 (C31) of the bank scheme would be.
constexpr int kFirstDiskLinkLocation = 144;

}  // namespace

std::string NumToDLBnk(int index) {
  if (index < 0 || index >= kDiskLinkCount) return {};
  const int n = index + kFirstDiskLinkLocation;
  return {static_cast<char>('A' + n / 64), static_cast<char>('1' + (n % 64) / 8),
          static_cast<char>('1' + n % 8)};
}

}  // namespace tarnwick
