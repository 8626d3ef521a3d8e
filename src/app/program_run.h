// The whole program: its state and services, the start-up, the event loop.
#pragma once

#include <QElapsedTimer>

class QApplication;

namespace tarnwick {

int RunTarnwick(QApplication& app, const QElapsedTimer& sinceStart);

}  // namespace tarnwick
