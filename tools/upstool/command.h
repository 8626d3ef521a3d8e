// SPDX-License-Identifier: GPL-3.0-or-later
// What every upstool command has in common: its signature and its exit codes.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace tarnwick::upstool {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;  // a file was refused or could not be written
inline constexpr int kExitUsage = 2;    // the command line itself is wrong

// A command gets the words after its own name. It writes its results to `out` and its complaints
// to `err`; on a usage error it writes one line "upstool NAME: what is wrong" and returns
// kExitUsage, and the caller adds the command's usage line.
using CommandFunction = int (*)(const std::vector<std::string>& args, std::ostream& out,
                                std::ostream& err);

}  // namespace tarnwick::upstool
