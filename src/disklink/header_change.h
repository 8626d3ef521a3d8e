// The one place where a file's header is changed by an edit (Disk Link renames and copies):
// given the header before and after, it stores the new header and marks the file as having
// unsaved changes. An edit that changes nothing writes and marks nothing. An undo hooks in here.
#pragma once

#include <array>
#include <functional>

#include "updata/up_file.h"

namespace tarnwick {

struct HeaderChange {
  int file = 0;  // 0 or 1
  UPSHeader before{};
  UPSHeader after{};
};

class HeaderChanges {
 public:
  using Listener = std::function<void(const HeaderChange&)>;

  HeaderChanges(UPData& data, std::array<bool, 2>& modified) : data_(data), modified_(modified) {}

  // Stores `after` as the header of `file` and marks the file modified. Returns false, changing
  // nothing, when `after` equals `before` or when the file's header is no longer `before` (an
  // edit built on a stale copy must not overwrite newer changes).
  bool ChangeFileHeader(int file, const UPSHeader& before, const UPSHeader& after);

  // Called after each stored change (the window marks and captions follow from here).
  void setListener(Listener listener) { listener_ = std::move(listener); }

  const UPSHeader& header(int file) const;

 private:
  UPData& data_;
  std::array<bool, 2>& modified_;
  Listener listener_;
};

}  // namespace tarnwick
