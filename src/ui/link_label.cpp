// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/link_label.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace tarnwick {

LinkLabel::LinkLabel(const QString& text, const QUrl& address, const QString& toolTip, QWidget* parent)
    : QLabel(text, parent), address_(address) {
  setToolTip(toolTip);
  setTextFormat(Qt::PlainText);
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::StrongFocus);
  setHighlighted(false);
}

void LinkLabel::setHighlighted(bool on) {
  highlighted_ = on;
  QFont shownFont = font();
  shownFont.setUnderline(on);
  setFont(shownFont);
  QPalette colours = palette();
  colours.setColor(QPalette::WindowText, on ? QColor(0, 0, 255) : QColor(0, 0, 0));
  setPalette(colours);
}

void LinkLabel::enterEvent(QEnterEvent* event) {
  setHighlighted(true);
  QLabel::enterEvent(event);
}

void LinkLabel::leaveEvent(QEvent* event) {
  setHighlighted(hasFocus());
  QLabel::leaveEvent(event);
}

void LinkLabel::focusInEvent(QFocusEvent* event) {
  setHighlighted(true);
  QLabel::focusInEvent(event);
}

void LinkLabel::focusOutEvent(QFocusEvent* event) {
  setHighlighted(underMouse());
  QLabel::focusOutEvent(event);
}

void LinkLabel::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    emit opened(address_);
    event->accept();
    return;
  }
  QLabel::mousePressEvent(event);
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
    emit opened(address_);
    event->accept();
    return;
  }
  QLabel::keyPressEvent(event);
}

}  // namespace tarnwick
