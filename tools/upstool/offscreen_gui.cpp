// SPDX-License-Identifier: GPL-3.0-or-later
#include "offscreen_gui.h"

#include <QGuiApplication>

namespace tarnwick::upstool {

void EnsureOffscreenGui() {
  if (QCoreApplication::instance() != nullptr) return;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "upstool";
  static char* argv[] = {name, nullptr};
  new QGuiApplication(argc, argv);  // deliberately kept: Qt's GUI layer lives as long as the process
}

}  // namespace tarnwick::upstool
