// SPDX-License-Identifier: GPL-3.0-or-later
// tarnwick's command line: `tarnwick [FILE0 [FILE1]]`, `--help` and `--version`.
#pragma once

#include <QString>
#include <QStringList>

namespace tarnwick {

struct CommandLine {
  enum class Action { Run, ShowHelp, ShowVersion, UsageError };
  Action action = Action::Run;
  QStringList files;  // the file words in their order, as given
  QString error;      // for UsageError: what was wrong, without the program name
};

// Reads the words after the program name. "--" ends the options, so that a file name may start
// with "-". A help or version word wins over anything else on the line (so that it works before
// Qt has taken its own options away); otherwise an unknown option is a usage error.
CommandLine ParseCommandLine(const QStringList& words);

// The text of `tarnwick --help`.
QString CommandLineHelp();

}  // namespace tarnwick
