// SPDX-License-Identifier: GPL-3.0-or-later
// The whole program: its state and services, the start-up, the event loop.
#pragma once

#include <QElapsedTimer>
#include <QStringList>

class QApplication;

namespace tarnwick {

// `namedFiles`: FILE0 [FILE1] from the command line, opened in place of the last run's files.
int RunTarnwick(QApplication& app, const QElapsedTimer& sinceStart, const QStringList& namedFiles);

}  // namespace tarnwick
