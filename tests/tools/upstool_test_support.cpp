#include "upstool_test_support.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include "updata/up_record.h"

extern char** environ;

namespace tarnwick::upstool::test {
namespace fs = std::filesystem;

TempFolder::TempFolder() {
  std::string pattern = (fs::temp_directory_path() / "upstool-test-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  root_ = pattern;
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  fs::remove_all(root_, ignored);
}

std::string TempFolder::Path(std::string_view name) const { return (root_ / name).string(); }

UPRecord NamedUP(std::string_view name) {
  UPRecord up{};
  SetUPText8(up, kUPNameOffset, name);
  SetUPText8(up, kSongNameOffset, kNoSong);
  up[238] = 120;
  return up;
}

UPSHeader MakeHeader(std::string_view magic, int count) {
  UPSHeader header{};
  for (std::size_t i = 0; i < magic.size() && i < 8; ++i)
    header[i] = static_cast<std::uint8_t>(magic[i]);
  header[58] = static_cast<std::uint8_t>(count / 256);
  header[59] = static_cast<std::uint8_t>(count % 256);
  for (int entry = 0; entry < 111; ++entry) {
    char name[9];
    std::snprintf(name, sizeof name, "DL%03d   ", entry);
    for (int i = 0; i < 8; ++i) header[610 + 12 * entry + i] = static_cast<std::uint8_t>(name[i]);
  }
  return header;
}

std::string UpsBytes(const UPSHeader& header, const std::vector<UPRecord>& records) {
  std::string bytes(reinterpret_cast<const char*>(header.data()), header.size());
  for (const UPRecord& up : records)
    bytes.append(reinterpret_cast<const char*>(up.data()), up.size());
  return bytes;
}

std::string UpsBytesWithCount(int count) {
  std::vector<UPRecord> records;
  for (int id = 0; id < count; ++id) records.push_back(NamedUP("UP " + std::to_string(id)));
  return UpsBytes(MakeHeader(count == 192 ? "USPrGMIL" : "*SPrGMIL", count), records);
}

void WriteBytes(const std::string& path, std::string_view bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!file) throw std::runtime_error("cannot write " + path);
}

std::string ReadBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

CommandOutput RunInProcess(CommandFunction command, const std::vector<std::string>& args) {
  std::ostringstream out;
  std::ostringstream err;
  CommandOutput result;
  result.exit_code = command(args, out, err);
  result.out = out.str();
  result.err = err.str();
  return result;
}

CommandOutput RunUpstool(const std::vector<std::string>& args) {
  TempFolder capture;
  const std::string out_path = capture.Path("stdout");
  const std::string err_path = capture.Path("stderr");
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, out_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0600);
  posix_spawn_file_actions_addopen(&actions, 2, err_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0600);

  std::vector<std::string> words = {UPSTOOL_EXECUTABLE};
  words.insert(words.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);

  pid_t pid = 0;
  const int spawned =
      posix_spawn(&pid, UPSTOOL_EXECUTABLE, &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) throw std::runtime_error("cannot start " UPSTOOL_EXECUTABLE);
  int status = 0;
  ::waitpid(pid, &status, 0);

  CommandOutput result;
  result.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  result.out = ReadBytes(out_path);
  result.err = ReadBytes(err_path);
  return result;
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find('\n', start);
    if (end == std::string::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

}  // namespace tarnwick::upstool::test
