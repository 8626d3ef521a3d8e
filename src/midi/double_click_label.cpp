// SPDX-License-Identifier: GPL-3.0-or-later
#include "midi/double_click_label.h"

#include <QMouseEvent>

namespace tarnwick {

void DoubleClickLabel::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    emit doubleClicked();
    event->accept();
    return;
  }
  QLabel::mouseDoubleClickEvent(event);
}

}  // namespace tarnwick
