// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line.h"

#include <algorithm>

#include "version/version_text.h"

namespace tarnwick::upstool {
namespace {

bool IsHelpWord(std::string_view word) {
  return word == "help" || word == "--help" || word == "-h";
}

const CommandEntry* FindCommand(std::span<const CommandEntry> commands, std::string_view name) {
  const auto found = std::find_if(commands.begin(), commands.end(),
                                  [&](const CommandEntry& entry) { return entry.name == name; });
  return found == commands.end() ? nullptr : &*found;
}

// "NAME ARGUMENTS", or just the name for a command without arguments.
std::string Synopsis(const CommandEntry& command) {
  std::string synopsis(command.name);
  if (!command.arguments.empty()) synopsis += ' ' + std::string(command.arguments);
  return synopsis;
}

void PrintUsageLine(std::ostream& stream, const CommandEntry& command) {
  stream << "usage: upstool " << Synopsis(command) << '\n';
}

void PrintHelp(std::ostream& out, std::span<const CommandEntry> commands) {
  out << "usage: upstool COMMAND [ARGUMENTS]\n\n"
         "Checks, lists and rewrites the User Program Set files (*.UPS) of the Roland EM-2000.\n\n"
         "commands:\n";
  std::size_t width = 0;
  for (const CommandEntry& command : commands) width = std::max(width, Synopsis(command).size());
  for (const CommandEntry& command : commands) {
    const std::string synopsis = Synopsis(command);
    out << "  " << synopsis << std::string(width - synopsis.size() + 2, ' ') << command.summary
        << '\n';
  }
  out << "  help" << std::string(width - 2, ' ') << "show this text\n"
      << "  --version" << std::string(width - 7, ' ')
      << "show the version and the licence\n\n"
         "Names and other texts are printed as UTF-8.\n"
         "exit status: 0 done, 1 a file was refused or could not be written, 2 wrong use\n";
}

int UnknownCommand(std::ostream& err, std::string_view name) {
  err << "upstool: unknown command '" << name << "'\nTry 'upstool --help'.\n";
  return kExitUsage;
}

// "help" alone, or "help COMMAND" for that command's usage.
int RunHelp(std::span<const CommandEntry> commands, const std::vector<std::string>& args,
            std::ostream& out, std::ostream& err) {
  if (args.size() == 1) {
    PrintHelp(out, commands);
    return kExitOk;
  }
  if (args.size() > 2) {
    err << "upstool help: unexpected argument '" << args[2] << "'\n";
    return kExitUsage;
  }
  const CommandEntry* command = FindCommand(commands, args[1]);
  if (command == nullptr) return UnknownCommand(err, args[1]);
  PrintUsageLine(out, *command);
  out << command->summary << '\n';
  return kExitOk;
}

}  // namespace

int RunCommandLine(std::span<const CommandEntry> commands, const std::vector<std::string>& args,
                   std::ostream& out, std::ostream& err) {
  if (args.empty()) {
    err << "upstool: missing COMMAND\nTry 'upstool --help'.\n";
    return kExitUsage;
  }
  if (IsHelpWord(args[0])) return RunHelp(commands, args, out, err);
  if (args[0] == "--version") {
    if (args.size() > 1) {
      err << "upstool --version: unexpected argument '" << args[1] << "'\n";
      return kExitUsage;
    }
    out << VersionText("upstool");
    return kExitOk;
  }
  const CommandEntry* command = FindCommand(commands, args[0]);
  if (command == nullptr) return UnknownCommand(err, args[0]);

  const std::vector<std::string> command_args(args.begin() + 1, args.end());
  if (command_args.size() == 1 && (command_args[0] == "--help" || command_args[0] == "-h")) {
    return RunHelp(commands, {"help", args[0]}, out, err);
  }
  const int exit_code = command->run(command_args, out, err);
  if (exit_code == kExitUsage) PrintUsageLine(err, *command);
  return exit_code;
}

}  // namespace tarnwick::upstool
