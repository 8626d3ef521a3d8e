// Tarnwick: an editor for the User Program Set files of the Roland EM-2000 and a MIDI remote
// control for the instrument.
#include <QApplication>
#include <QElapsedTimer>

#include "app/program_run.h"
#include "ui/pictures.h"

int main(int argc, char* argv[]) {
  QElapsedTimer sinceStart;
  sinceStart.start();
  QApplication app(argc, argv);
  QApplication::setOrganizationName(QStringLiteral("Tarnwick"));
  QApplication::setApplicationName(QStringLiteral("Tarnwick"));
  QApplication::setWindowIcon(tarnwick::ProgramIcon());
  return tarnwick::RunTarnwick(app, sinceStart);
}
