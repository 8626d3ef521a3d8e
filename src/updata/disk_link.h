// SPDX-License-Identifier: GPL-3.0-or-later
// Location codes of the 111 Disk Link entries of a UPS header. The instrument numbers them on from
// where the UP numbers of a set stop making sense for links: entry 0 is C31, entry 110 is D87.
#pragma once

#include <string>

namespace tarnwick {

// "C31".."D87" for the entry indexes 0..110, empty for any other index.
std::string NumToDLBnk(int index);

}  // namespace tarnwick
