// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/placeholder_view.h"

#include <QLabel>
#include <QVBoxLayout>

#include "ui/focus_park.h"

namespace tarnwick {

QFrame* CreatePlaceholderView(const QString& windowName, const QString& title, QWidget* parent) {
  auto* view = new QFrame(parent);
  view->setObjectName(windowName);
  view->setFrameStyle(QFrame::StyledPanel | QFrame::Plain);
  view->setAutoFillBackground(true);
  QPalette colours = view->palette();
  colours.setColor(QPalette::Window, QColor(244, 246, 248));
  view->setPalette(colours);

  auto* heading = new QLabel(title, view);
  QFont headingFont = heading->font();
  headingFont.setPointSizeF(headingFont.pointSizeF() * 1.4);
  headingFont.setBold(true);
  heading->setFont(headingFont);
  auto* name = new QLabel(windowName, view);
  name->setForegroundRole(QPalette::PlaceholderText);

  auto* layout = new QVBoxLayout(view);
  layout->addStretch();
  layout->addWidget(heading, 0, Qt::AlignHCenter);
  layout->addWidget(name, 0, Qt::AlignHCenter);
  layout->addStretch();
  CreateDummyButton(view, title);
  view->hide();
  return view;
}

}  // namespace tarnwick
