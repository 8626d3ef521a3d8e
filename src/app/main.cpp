// SPDX-License-Identifier: GPL-3.0-or-later
// Tarnwick: an editor for the User Program Set files of the Roland EM-2000 and a MIDI remote
// control for the instrument.
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <cstdio>

#include "app/command_line.h"
#include "app/program_run.h"
#include "ui/pictures.h"
#include "version/version.h"
#include "version/version_text.h"

namespace {

constexpr int kExitUsage = 2;

QStringList WordsAfterProgramName(int argc, char* argv[]) {
  QStringList words;
  for (int i = 1; i < argc; ++i) words.append(QFile::decodeName(argv[i]));
  return words;
}

}  // namespace

int main(int argc, char* argv[]) {
  QElapsedTimer sinceStart;
  sinceStart.start();
  // Help and version are answered before Qt starts, so that they work without a display.
  const tarnwick::CommandLine early = tarnwick::ParseCommandLine(WordsAfterProgramName(argc, argv));
  if (early.action == tarnwick::CommandLine::Action::ShowHelp) {
    std::fputs(tarnwick::CommandLineHelp().toLocal8Bit().constData(), stdout);
    return 0;
  }
  if (early.action == tarnwick::CommandLine::Action::ShowVersion) {
    std::fputs(tarnwick::VersionText("tarnwick").c_str(), stdout);
    return 0;
  }

  QApplication app(argc, argv);  // takes Qt's own options (-platform, -style, ...) off the line
  const tarnwick::CommandLine line = tarnwick::ParseCommandLine(WordsAfterProgramName(argc, argv));
  if (line.action == tarnwick::CommandLine::Action::UsageError) {
    std::fprintf(stderr, "tarnwick: %s\nTry 'tarnwick --help'.\n", line.error.toLocal8Bit().constData());
    return kExitUsage;
  }
  QApplication::setOrganizationName(QStringLiteral("Tarnwick"));
  QApplication::setApplicationName(QStringLiteral("Tarnwick"));
  QApplication::setApplicationVersion(QString::fromLatin1(tarnwick::version::kVersion));
  QGuiApplication::setDesktopFileName(QString::fromLatin1(tarnwick::version::kAppId));
  QApplication::setWindowIcon(tarnwick::ProgramIcon());
  return tarnwick::RunTarnwick(app, sinceStart, line.files);
}
