// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/mouse_wheel.h"

#include <algorithm>

#include <QAbstractScrollArea>
#include <QWheelEvent>

namespace tarnwick {
namespace {

constexpr int kMinDelta = -32768;
constexpr int kMaxDelta = 32767;

// Wheel turns over a scroll area arrive at its viewport, not at the area itself.
QWidget* Viewport(QWidget* widget) {
  auto* area = qobject_cast<QAbstractScrollArea*>(widget);
  return area == nullptr ? nullptr : area->viewport();
}

}  // namespace

int WheelKeys(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
  int keys = 0;
  if (buttons & Qt::LeftButton) keys |= 0x01;
  if (buttons & Qt::RightButton) keys |= 0x02;
  if (modifiers & Qt::ShiftModifier) keys |= 0x04;
  if (modifiers & Qt::ControlModifier) keys |= 0x08;
  if (buttons & Qt::MiddleButton) keys |= 0x10;
  if (buttons & Qt::BackButton) keys |= 0x20;
  if (buttons & Qt::ForwardButton) keys |= 0x40;
  return keys;
}

MWheel::MWheel(QObject* host) : QObject(host) {}

MWheel::~MWheel() { DisableWheel(); }

void MWheel::setFilter(QWidget* widget, bool installed) {
  if (widget == nullptr) return;
  for (QWidget* receiver : {widget, Viewport(widget)}) {
    if (receiver == nullptr) continue;
    if (installed) {
      receiver->installEventFilter(this);
    } else {
      receiver->removeEventFilter(this);
    }
  }
}

void MWheel::EnableWheel() {
  if (target_ == nullptr || captured_ == target_) return;
  DisableWheel();
  captured_ = target_;
  setFilter(captured_, true);
}

void MWheel::DisableWheel() {
  if (captured_ == nullptr) return;
  setFilter(captured_, false);
  captured_ = nullptr;
}

bool MWheel::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::Wheel || captured_ == nullptr) return false;
  if (watched != captured_ && watched != Viewport(captured_)) return false;
  const auto* wheel = static_cast<QWheelEvent*>(event);
  const int delta = std::clamp(wheel->angleDelta().y(), kMinDelta, kMaxDelta);
  if (delta != 0) {
    const QPointF at = wheel->globalPosition();
    emit WheelScroll(WheelKeys(wheel->buttons(), wheel->modifiers()), delta, static_cast<float>(at.x()),
                     static_cast<float>(at.y()));
  }
  return true;  // the captured widget never sees the wheel
}

}  // namespace tarnwick
