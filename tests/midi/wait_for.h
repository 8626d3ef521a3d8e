// Runs the event loop until `done` holds or `timeoutMs` has passed; returns whether it holds.
#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

namespace tarnwick::test {

template <class Condition>
bool WaitFor(Condition done, int timeoutMs = 5000) {
  QElapsedTimer clock;
  clock.start();
  while (!done()) {
    if (clock.elapsed() > timeoutMs) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QThread::msleep(1);
  }
  return true;
}

}  // namespace tarnwick::test
