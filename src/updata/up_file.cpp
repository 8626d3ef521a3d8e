// SPDX-License-Identifier: GPL-3.0-or-later
#include "updata/up_file.h"

#include <algorithm>

namespace tarnwick {

bool SetUPCount(UPFile& file, int n) {
  if (n < 0 || n > kMaxUPCount) return false;
  const std::size_t kept = file.records.size();
  file.records.resize(static_cast<std::size_t>(std::max(n, 1)));
  if (file.records.size() > kept) std::fill(file.records.begin() + kept, file.records.end(), UPRecord{});
  // Records dropped by a shrink must not come back as stale data when the file grows again.
  if (n == 0) file.records[0] = UPRecord{};
  file.count = n;
  return true;
}

std::string HeaderMagic(const UPSHeader& header) {
  return std::string(reinterpret_cast<const char*>(header.data()), 8);
}

int HeaderUPCount(const UPSHeader& header) {
  return header[kUPCountOffset] * 256 + header[kUPCountOffset + 1];
}

std::string GetDiskLinkName(const UPSHeader& header, int index) {
  const auto* first = reinterpret_cast<const char*>(header.data()) + kDiskLinkOffset +
                      kDiskLinkEntrySize * index;
  return std::string(first, kText8Size);
}

void SetDiskLinkName(UPSHeader& header, int index, std::string_view name) {
  const int offset = kDiskLinkOffset + kDiskLinkEntrySize * index;
  for (int i = 0; i < kText8Size; ++i) {
    header[offset + i] = i < static_cast<int>(name.size()) ? static_cast<std::uint8_t>(name[i]) : ' ';
  }
}

}  // namespace tarnwick
