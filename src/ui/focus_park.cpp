// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/focus_park.h"

#include <QPushButton>

namespace tarnwick {

QPushButton* CreateDummyButton(QWidget* window, const QString& spokenName) {
  auto* dummy = new QPushButton(window);
  dummy->setObjectName(QStringLiteral("Dummy"));
  dummy->setFocusPolicy(Qt::ClickFocus);
  dummy->setFlat(true);
  dummy->setGeometry(0, 0, 0, 0);
  dummy->setAccessibleName(spokenName);
  return dummy;
}

bool ParkFocus(QWidget* widget) {
  for (QWidget* area = widget; area != nullptr; area = area->parentWidget()) {
    if (auto* dummy = area->findChild<QWidget*>(QStringLiteral("Dummy"), Qt::FindDirectChildrenOnly)) {
      dummy->setFocus(Qt::OtherFocusReason);
      return true;
    }
  }
  return false;
}

}  // namespace tarnwick
