// SPDX-License-Identifier: GPL-3.0-or-later
// Which transfer buttons of the two grids are offered, from what the two grids show. Each button
// is indexed by its source file: Copy, Insert and Append of file s act on file 1 - s, Delete on s.
#pragma once

#include <array>

namespace tarnwick {

struct TransferButtons {
  std::array<bool, 2> copy{};
  std::array<bool, 2> insert{};
  std::array<bool, 2> append{};
  std::array<bool, 2> remove{};
};

// Copy needs rows in both grids and equally many selected; Insert needs rows in both; Append and
// Delete of a file need rows in that file's grid.
TransferButtons VisibleTransferButtons(const std::array<int, 2>& shownRows,
                                       const std::array<int, 2>& selectedRows);

}  // namespace tarnwick
