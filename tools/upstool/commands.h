// SPDX-License-Identifier: GPL-3.0-or-later
// The file commands of upstool. Each takes the words after its name (see command.h).
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace tarnwick::upstool {

// check FILE...: one line per file saying what it holds, or why it is refused.
int RunCheckCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// list FILE [--parts]: the UPs of a file as CSV.
int RunListCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// dl FILE: the 111 Disk Link entries of a file's header.
int RunDlCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// save IN OUT [--force]: writes IN again, with the magic that fits its count, to OUT.
int RunSaveCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// make-lists SRCDIR OUTDIR: builds the four name list files from their sources.
int RunMakeListsCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// setlist FILE -o OUT [--sort COLUMN] [--paper a4|letter]: a set list as PDF, CSV or HTML.
int RunSetListCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace tarnwick::upstool
