// SPDX-License-Identifier: GPL-3.0-or-later
// A button drawn from the program's named pictures. With the picture name "FILE_NEW" it shows
// "FILE_NEW_DOWN" while it is held and "FILE_NEW_UP" otherwise. It acts the moment the left
// mouse button goes down (other buttons, and the second press of a double click, do nothing);
// on release it parks the focus on the "Dummy" button of its window. Space or Enter act the
// same way from the keyboard, without moving the focus away.
//
// A handler may change the picture name while the button is held (Home/End switches between
// "TO_END" and "TO_HOME"): the new name's "_DOWN" picture shows at once and its "_UP" picture on
// release. A picture kept in one state only ("EDIT_UP_SHRINK") shows in both, sunken while held.
#pragma once

#include <QAbstractButton>
#include <QString>

namespace tarnwick {

class ImageButton : public QAbstractButton {
  Q_OBJECT

 public:
  explicit ImageButton(QWidget* parent = nullptr);
  ImageButton(const QString& pictureName, QWidget* parent);

  void setPictureName(const QString& name);
  QString pictureName() const { return pictureName_; }

  // The resource name of what is drawn now, e.g. "FILE_NEW_UP".
  QString shownPicture() const;
  bool isHeld() const { return held_; }

  QSize sizeHint() const override;

 signals:
  // The button's command: the left button went down on it (or Space / Enter was pressed).
  void leftPressed();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void press();
  void release(bool parkFocus);

  QString pictureName_;
  bool held_ = false;
  bool heldByMouse_ = false;
};

}  // namespace tarnwick
