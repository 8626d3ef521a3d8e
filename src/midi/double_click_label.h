// SPDX-License-Identifier: GPL-3.0-or-later
// A label that reports a double-click with the left button.
#pragma once

#include <QLabel>

namespace tarnwick {

class DoubleClickLabel : public QLabel {
  Q_OBJECT

 public:
  using QLabel::QLabel;

 signals:
  void doubleClicked();

 protected:
  void mouseDoubleClickEvent(QMouseEvent* event) override;
};

}  // namespace tarnwick
