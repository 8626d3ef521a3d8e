// Test files for upstool: UPS images built byte by byte (independently of the writer under test),
// a private temporary folder, and running a command in-process or the real executable.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "command.h"
#include "updata/up_file.h"

namespace tarnwick::upstool::test {

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  std::string Path(std::string_view name) const;  // a path inside the folder
  const std::filesystem::path& root() const { return root_; }

 private:
  std::filesystem::path root_;
};

// A UP with the given name, no song and tempo 120; every other byte zero.
UPRecord NamedUP(std::string_view name);

// A header with `magic`, `count` in bytes 58/59 and the Disk Link names "DL000" .. "DL110".
UPSHeader MakeHeader(std::string_view magic, int count);

// The bytes of a UPS file: the header followed by the records.
std::string UpsBytes(const UPSHeader& header, const std::vector<UPRecord>& records);

// A well-formed file of `count` UPs named "UP 0", "UP 1", ... with the magic fitting the count.
std::string UpsBytesWithCount(int count);

void WriteBytes(const std::string& path, std::string_view bytes);
std::string ReadBytes(const std::string& path);

struct CommandOutput {
  int exit_code = -1;
  std::string out;
  std::string err;
};

CommandOutput RunInProcess(CommandFunction command, const std::vector<std::string>& args);

// Runs the built upstool executable with `args` and collects what it wrote.
CommandOutput RunUpstool(const std::vector<std::string>& args);

std::vector<std::string> SplitLines(const std::string& text);  // on "\n"; no empty last line

}  // namespace tarnwick::upstool::test
