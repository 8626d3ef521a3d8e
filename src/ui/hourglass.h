// SPDX-License-Identifier: GPL-3.0-or-later
// The busy pointer for long operations: shown while the guard lives, restored on every way out
// (return, early exit, exception).
#pragma once

#include <QGuiApplication>

namespace tarnwick {

class Hourglass {
 public:
  Hourglass() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
  ~Hourglass() { QGuiApplication::restoreOverrideCursor(); }
  Hourglass(const Hourglass&) = delete;
  Hourglass& operator=(const Hourglass&) = delete;
};

}  // namespace tarnwick
