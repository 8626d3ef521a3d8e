// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

namespace tarnwick {

CommandLine ParseCommandLine(const QStringList& words) {
  CommandLine line;
  QString unknownOption;
  bool optionsEnded = false;
  for (const QString& word : words) {
    const bool isOption = !optionsEnded && word.size() > 1 && word.startsWith(QLatin1Char('-'));
    if (!isOption) {
      line.files.append(word);
    } else if (word == QLatin1String("--")) {
      optionsEnded = true;
    } else if (word == QLatin1String("-h") || word == QLatin1String("--help")) {
      if (line.action == CommandLine::Action::Run) line.action = CommandLine::Action::ShowHelp;
    } else if (word == QLatin1String("-v") || word == QLatin1String("--version")) {
      if (line.action == CommandLine::Action::Run) line.action = CommandLine::Action::ShowVersion;
    } else if (unknownOption.isEmpty()) {
      unknownOption = word;
    }
  }
  if (line.action == CommandLine::Action::Run && !unknownOption.isEmpty()) {
    line.action = CommandLine::Action::UsageError;
    line.error = QStringLiteral("unknown option '%1'").arg(unknownOption);
  }
  return line;
}

QString CommandLineHelp() {
  return QStringLiteral(
      "usage: tarnwick [OPTION] [FILE0 [FILE1]]\n"
      "\n"
      "Editor for the User Program Set files (*.UPS) of the Roland EM-2000 and MIDI remote\n"
      "control for the instrument.\n"
      "\n"
      "FILE0 opens in File 0 (the left grid) and FILE1 in File 1 (the right grid), in place of\n"
      "the files of the last run. A file that cannot be opened leaves its grid with the file of\n"
      "the last run.\n"
      "\n"
      "options:\n"
      "  -h, --help     show this text\n"
      "  -v, --version  show the version and the licence\n"
      "  --             what follows is a file name, even when it starts with '-'\n");
}

}  // namespace tarnwick
