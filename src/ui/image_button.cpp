// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/image_button.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QStyleOptionFocusRect>

#include "ui/focus_park.h"
#include "ui/pictures.h"

namespace tarnwick {
namespace {

constexpr int kDefaultSize = 32;

bool IsActivationKey(const QKeyEvent* event) {
  const int key = event->key();
  return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
}

// The pressed look for a picture that has no "_DOWN" drawing of its own.
void PaintSunken(QPainter& painter, const QRectF& area, const QString& name) {
  PaintPicture(painter, area.translated(1, 1), name);
  QPainterPath face;
  face.addRoundedRect(area.adjusted(1, 1, -1, -1), area.width() / 6, area.height() / 6);
  painter.fillPath(face, QColor(30, 50, 70, 60));
}

}  // namespace

ImageButton::ImageButton(QWidget* parent) : QAbstractButton(parent) {
  setFocusPolicy(Qt::TabFocus);
  setAttribute(Qt::WA_Hover);
}

ImageButton::ImageButton(const QString& pictureName, QWidget* parent) : ImageButton(parent) {
  setPictureName(pictureName);
}

void ImageButton::setPictureName(const QString& name) {
  if (name == pictureName_) return;
  pictureName_ = name;
  update();
}

QString ImageButton::shownPicture() const {
  const QString stateName = pictureName_ + (held_ ? QStringLiteral("_DOWN") : QStringLiteral("_UP"));
  return PictureExists(stateName) ? stateName : pictureName_;
}

QSize ImageButton::sizeHint() const { return {kDefaultSize, kDefaultSize}; }

void ImageButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  if (!isEnabled()) painter.setOpacity(0.4);
  const QRectF area = rect();
  const QString name = shownPicture();
  if (held_ && name == pictureName_) {
    PaintSunken(painter, area, name);
  } else if (!PaintPicture(painter, area, name)) {
    painter.drawRect(area.adjusted(0.5, 0.5, -0.5, -0.5));  // missing artwork stays visible
    painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, pictureName_);
  }
  if (hasFocus() && !held_) {
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = rect().adjusted(3, 3, -3, -3);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
  }
}

void ImageButton::press() {
  held_ = true;
  // A command that opens a modal box takes the release away from the button: watch for it
  // anywhere, so the button never stays pressed.
  qApp->installEventFilter(this);
  repaint();  // the pressed picture shows before the command runs, however long it takes
  QPointer<ImageButton> alive(this);
  emit leftPressed();
  if (alive && held_) update();  // the command may have changed the picture name
}

void ImageButton::release(bool parkFocus) {
  if (!held_) return;
  held_ = false;
  heldByMouse_ = false;
  qApp->removeEventFilter(this);
  update();
  if (parkFocus) ParkFocus(this);
}

void ImageButton::mousePressEvent(QMouseEvent* event) {
  event->accept();
  if (event->button() != Qt::LeftButton || held_ || !isEnabled()) return;
  heldByMouse_ = true;
  press();
}

void ImageButton::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  if (event->button() == Qt::LeftButton && heldByMouse_) release(true);
}

// The second press of a double click does not act again: a double click on Delete or Append
// must not do the work twice.
void ImageButton::mouseDoubleClickEvent(QMouseEvent* event) { event->accept(); }

void ImageButton::keyPressEvent(QKeyEvent* event) {
  if (!IsActivationKey(event)) {
    QAbstractButton::keyPressEvent(event);
    return;
  }
  event->accept();
  if (!event->isAutoRepeat() && !held_) press();
}

void ImageButton::keyReleaseEvent(QKeyEvent* event) {
  if (!IsActivationKey(event)) {
    QAbstractButton::keyReleaseEvent(event);
    return;
  }
  event->accept();
  if (!event->isAutoRepeat() && !heldByMouse_) release(false);
}

void ImageButton::hideEvent(QHideEvent* event) {
  release(false);
  QAbstractButton::hideEvent(event);
}

bool ImageButton::eventFilter(QObject* watched, QEvent* event) {
  if (watched == this || !held_) return false;
  if (event->type() == QEvent::MouseButtonRelease && heldByMouse_ &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    release(true);
  } else if (event->type() == QEvent::KeyRelease && !heldByMouse_) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (IsActivationKey(key) && !key->isAutoRepeat()) release(false);
  }
  return false;
}

}  // namespace tarnwick
