#include "app/program_views.h"

#include "app/placeholder_view.h"

namespace tarnwick {

QWidget* ProgramViews::createKeyboard(QWidget* parent) {
  return CreatePlaceholderView(QStringLiteral("frmKeyboard"), QStringLiteral("Keyboard"), parent);
}

QWidget* ProgramViews::createTone(int number, QWidget* parent) {
  static const char* const kTitles[] = {"Tones", "Drum Sets", "Program Change"};
  const int index = (number >= 1 && number <= 3) ? number - 1 : 0;
  return CreatePlaceholderView(QStringLiteral("frmTone_%1").arg(index + 1), QString::fromLatin1(kTitles[index]),
                               parent);
}

QWidget* ProgramViews::createUPFile(QWidget* parent) {
  return CreatePlaceholderView(QStringLiteral("frmUPFile"), QStringLiteral("User Program Files"), parent);
}

QWidget* ProgramViews::createDiskLink(QWidget* parent) {
  return CreatePlaceholderView(QStringLiteral("frmDL"), QStringLiteral("Disk Link"), parent);
}

}  // namespace tarnwick
