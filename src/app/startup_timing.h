// SPDX-License-Identifier: GPL-3.0-or-later
// A start-up figure for measurements: with TARNWICK_STARTUP_TIMING set, the program writes the
// time from its start to the first paint of its main window to the error output,
//   tarnwick: first paint after 123 ms (at 1712345678901 ms since the epoch)
// and with the value "quit" it then closes itself the normal way.
#pragma once

#include <QElapsedTimer>
#include <QObject>

namespace tarnwick {

class StartupTiming : public QObject {
  Q_OBJECT

 public:
  // Does nothing when `mode` is empty.
  StartupTiming(const QElapsedTimer& sinceStart, const QString& mode);
  ~StartupTiming() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QElapsedTimer sinceStart_;
  bool active_ = false;
  bool quitAfterwards_ = false;
};

}  // namespace tarnwick
