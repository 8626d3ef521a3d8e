// SPDX-License-Identifier: GPL-3.0-or-later
// The mouse wheel control: while enabled, wheel turns over one chosen widget (hWndCapture) do
// not reach that widget; the control raises them as WheelScroll on its host instead. The tone
// and drum set browsers use it to step their numeric filter boxes with the wheel.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

namespace tarnwick {

// The button and modifier flags of a wheel turn, as the instrument tools have always passed
// them: 0x01 left button, 0x02 right, 0x04 Shift, 0x08 Ctrl, 0x10 middle, 0x20 / 0x40 the two
// extra buttons.
int WheelKeys(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);

class MWheel : public QObject {
  Q_OBJECT

 public:
  explicit MWheel(QObject* host = nullptr);
  ~MWheel() override;

  QWidget* hWndCapture() const { return target_; }
  void setHWndCapture(QWidget* widget) { target_ = widget; }

  // Installs the capture on hWndCapture (nothing happens when there is none). Enabling twice
  // installs it once. A capture still sitting on another widget moves to hWndCapture.
  void EnableWheel();
  // Removes the capture from the widget that holds it; nothing happens when none is installed.
  void DisableWheel();

  bool isWheelEnabled() const { return captured_ != nullptr; }
  QWidget* capturedWidget() const { return captured_; }

 signals:
  // keys: WheelKeys flags; delta: 120 per notch, positive when turned away from the user;
  // x, y: the pointer's position on the screen, in pixels.
  void WheelScroll(int keys, int delta, float x, float y);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void setFilter(QWidget* widget, bool installed);

  QPointer<QWidget> target_;
  QPointer<QWidget> captured_;
};

}  // namespace tarnwick
