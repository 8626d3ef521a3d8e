// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/startup_timing.h"

#include <cstdio>

#include <QCoreApplication>
#include <QDateTime>
#include <QTimer>
#include <QWidget>

namespace tarnwick {

StartupTiming::StartupTiming(const QElapsedTimer& sinceStart, const QString& mode) : sinceStart_(sinceStart) {
  if (mode.isEmpty()) return;
  active_ = true;
  quitAfterwards_ = mode == QLatin1String("quit");
  qApp->installEventFilter(this);
}

StartupTiming::~StartupTiming() {
  if (active_) qApp->removeEventFilter(this);
}

bool StartupTiming::eventFilter(QObject* watched, QEvent* event) {
  if (!active_ || event->type() != QEvent::Paint || !watched->isWidgetType()) return false;
  QWidget* window = static_cast<QWidget*>(watched)->window();
  if (window->objectName() != QLatin1String("frmMain")) return false;
  active_ = false;
  qApp->removeEventFilter(this);
  std::fprintf(stderr, "tarnwick: first paint after %lld ms (at %lld ms since the epoch)\n",
               static_cast<long long>(sinceStart_.elapsed()),
               static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
  std::fflush(stderr);
  if (quitAfterwards_) QTimer::singleShot(0, window, &QWidget::close);
  return false;
}

}  // namespace tarnwick
