// SPDX-License-Identifier: GPL-3.0-or-later
// The one place where a file's header is changed by an edit (Disk Link renames and copies):
// given the header before and after, it stores the new header and records the change in the
// file's history, which marks the file as having unsaved changes and lets it be undone. An edit
// that changes nothing writes and records nothing.
#pragma once

#include <array>
#include <functional>

#include "updata/file_history.h"
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

  HeaderChanges(UPData& data, std::array<FileHistory, 2>& history) : data_(data), history_(history) {}

  // Stores `after` as the header of `file` and records the change as `what` ("Rename of D11").
  // Returns false, changing nothing, when `after` equals `before` or when the file's header is
  // no longer `before` (an edit built on a stale copy must not overwrite newer changes).
  bool ChangeFileHeader(int file, const UPSHeader& before, const UPSHeader& after, std::string what);

  // Called after each stored change (the window marks and captions follow from here).
  void setListener(Listener listener) { listener_ = std::move(listener); }

  const UPSHeader& header(int file) const;

 private:
  UPData& data_;
  std::array<FileHistory, 2>& history_;
  Listener listener_;
};

}  // namespace tarnwick
