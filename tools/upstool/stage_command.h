// SPDX-License-Identifier: GPL-3.0-or-later
// The Stage command of upstool, over the set list code of the Stage view.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace tarnwick::upstool {

// stage FILE.tarnwick-set: the entries of a set list as CSV (#, UP, Name, Style, Tempo, Song,
// Note), looked up in its .UPS file: moved entries say so, missing ones show "missing".
int RunStageCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace tarnwick::upstool
