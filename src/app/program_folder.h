// SPDX-License-Identifier: GPL-3.0-or-later
// Where the program lives and where its data files are.
#pragma once

#include <string>

#include <QString>

namespace tarnwick {

// The data files the program reads at start-up: the four name lists and the new-file template.
inline constexpr char kNewFileTemplate[] = "DefaultNewFile.upt";

// The program folder from the executable's folder: Qt's separators, no trailing one (but the
// root folder "/" itself).
std::string ProgramFolderFrom(const QString& executableFolder);

// The folder holding the data files. `overrideFolder` (the TARNWICK_DATA_DIR environment value)
// wins when it is not empty; otherwise the program folder when any data file is there, then the
// installed data folder ../share/tarnwick beside it; when neither has one, the program folder, so
// that the messages about missing files name the place the user expects.
std::string FindDataFolder(const std::string& programFolder, const QString& overrideFolder);

}  // namespace tarnwick
