// SPDX-License-Identifier: GPL-3.0-or-later
// Running an upstool command in-process or the built executable, and collecting what it wrote.
#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "command.h"
#include "support/temp_folder.h"
#include "support/ups_builder.h"

namespace tarnwick::upstool::test {

using namespace tarnwick::testing;

struct CommandOutput {
  int exit_code = -1;
  std::string out;
  std::string err;
};

inline CommandOutput RunInProcess(CommandFunction command, const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int exit_code = command(args, out, err);
  return {exit_code, out.str(), err.str()};
}

// Runs the executable through the shell; the tests' arguments hold no single quotes.
inline CommandOutput RunUpstool(const std::vector<std::string>& args) {
  TempFolder capture;
  std::string line = "'" UPSTOOL_EXECUTABLE "'";
  for (const std::string& arg : args) line += " '" + arg + "'";
  line += " >'" + capture.file("out") + "' 2>'" + capture.file("err") + "'";
  const int status = std::system(line.c_str());
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadBytes(capture.file("out")),
          ReadBytes(capture.file("err"))};
}

inline std::string WriteFile(const TempFolder& folder, const std::string& name,
                             const std::string& bytes) {
  const std::string path = folder.file(name);
  WriteBytes(path, bytes);
  return path;
}

// The lines of a text, or the fields of a CSV line without quotes; no empty last piece.
inline std::vector<std::string> Split(const std::string& text, char separator = '\n') {
  std::vector<std::string> pieces;
  std::istringstream in(text);
  for (std::string piece; std::getline(in, piece, separator);) pieces.push_back(piece);
  return pieces;
}

}  // namespace tarnwick::upstool::test
