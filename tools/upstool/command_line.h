// SPDX-License-Identifier: GPL-3.0-or-later
// Choosing a command from the command line, the help text and the usage errors around it.
#pragma once

#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "command.h"

namespace tarnwick::upstool {

struct CommandEntry {
  std::string_view name;       // the first word on the command line
  std::string_view arguments;  // what follows it, as the usage line shows it
  std::string_view summary;    // one line for the help text
  CommandFunction run;
};

// Runs the command named by the first word of `args` (the words after the program name) and
// returns the exit code. "help", "--help" and "-h" print the help text, "--version" the version
// and the licence, "COMMAND --help" that command's usage; anything the table does not know is a
// usage error (exit 2).
int RunCommandLine(std::span<const CommandEntry> commands, const std::vector<std::string>& args,
                   std::ostream& out, std::ostream& err);

}  // namespace tarnwick::upstool
