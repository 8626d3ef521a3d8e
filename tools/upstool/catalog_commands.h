// SPDX-License-Identifier: GPL-3.0-or-later
// The commands over the UP catalog and the file comparison (Qt Core and Qt SQL).
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace tarnwick::upstool {

// find WORDS... [--in DIR]... [--csv]: brings the catalog up to date with the named folders (or
// the stored ones) and prints the UPs that fit the words: file, id, up, name, style, tempo, song.
int RunFindCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// diff A B [--by-name] [--csv]: one line per UP that differs, naming the fields; exit 0 when the
// records and Disk Link names are byte-identical, 1 when they differ, 2 on wrong use or a file
// that does not load.
int RunDiffCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace tarnwick::upstool
