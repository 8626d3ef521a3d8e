// SPDX-License-Identifier: GPL-3.0-or-later
#include "upfile/transfer_buttons.h"

namespace tarnwick {

TransferButtons VisibleTransferButtons(const std::array<int, 2>& shownRows,
                                       const std::array<int, 2>& selectedRows) {
  TransferButtons buttons;
  const bool both = shownRows[0] > 0 && shownRows[1] > 0;
  const bool copy = both && selectedRows[0] == selectedRows[1];
  for (std::size_t file = 0; file < 2; ++file) {
    buttons.copy[file] = copy;
    buttons.insert[file] = both;
    buttons.append[file] = shownRows[file] > 0;
    buttons.remove[file] = shownRows[file] > 0;
  }
  return buttons;
}

}  // namespace tarnwick
