// SPDX-License-Identifier: GPL-3.0-or-later
#include "grid/grid_header_button.h"

#include <QMouseEvent>
#include <QPainter>

namespace tarnwick {

GridHeaderButton::GridHeaderButton(const QString& objectName, QWidget* parent) : ImageButton(parent) {
  setObjectName(objectName);
}

void GridHeaderButton::setLook(const QString& picture, const QString& caption, SortMark mark) {
  caption_ = caption;
  mark_ = mark;
  setPictureName(picture);
  update();
}

void GridHeaderButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRect area = isHeld() ? rect().translated(1, 1) : rect();
  PaintHeaderPicture(painter, area, caption_, mark_);
}

void GridHeaderButton::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton) {
    event->accept();
    emit rightPressed();
    return;
  }
  ImageButton::mousePressEvent(event);
}

}  // namespace tarnwick
