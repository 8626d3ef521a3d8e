// SPDX-License-Identifier: GPL-3.0-or-later
// What `--version` prints, the same for every program of Tarnwick.
#pragma once

#include <string>
#include <string_view>

namespace tarnwick {

// "PROGRAM (Tarnwick) 1.2.3" and the licence lines, each ending in a line break.
std::string VersionText(std::string_view program);

}  // namespace tarnwick
