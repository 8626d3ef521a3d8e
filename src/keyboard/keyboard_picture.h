// SPDX-License-Identifier: GPL-3.0-or-later
// frmKeyboard_m: the picture of the 128 keys with the three zone labels below them. It draws the
// key states it is given and reports presses and releases; it decides nothing itself. For a
// screen reader each key is a button named by its note ("C4"), laid over the key's place.
//
// Changes are painted at most once per frame: keysChanged() asks for a frame when the first key
// changes after the last one, and the frame repaints every key changed since.
#pragma once

#include <QTimer>
#include <QWidget>

#include <array>

#include "keyboard/key_geometry.h"
#include "keyboard/key_states.h"

class QLabel;

namespace tarnwick {

class KeyboardPicture : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kFrameMs = 16;

  KeyboardPicture(KeyStates& keys, QWidget* parent = nullptr);

  // Places the keys for a white key width in pixels (10, 13, 18, 24) and resizes the picture.
  void drawKeyboard(int whiteKeyPixels);
  const KeyboardLayout& layout() const { return layout_; }

  // The key states changed: a frame follows unless one is already due.
  void keysChanged();
  // Paints what changed since the last frame now (the frame timer calls it).
  void flushFrame();
  bool frameDue() const { return frame_.isActive(); }
  int framesPainted() const { return framesPainted_; }

  // The centre of a key at `y` of its 0..128 scale, in the picture's pixels (for tests and tools).
  QPoint keyPoint(int note, double y) const;
  QRect keyRect(int note) const;

 signals:
  // A mouse button went down on `note` at `y` of the key's 0..128 scale.
  void keyPressed(int note, double y, int button);
  // A mouse button came up, wherever the pointer is.
  void buttonReleased(int button);
  // A frame has been painted; the window updates its read-outs with it.
  void framePainted();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  void paintKey(class QPainter& painter, int note) const;
  void placeZoneLabels();
  void placeKeyButtons();
  int zoneLabelHeight() const;

  KeyStates& keys_;  // the frame takes the record of changes
  KeyboardLayout layout_;
  std::array<QLabel*, 3> zoneLabels_{};
  std::array<QWidget*, kKeyCount> keyButtons_{};  // what a screen reader reads: a button per key
  QTimer frame_;
  int framesPainted_ = 0;
};

}  // namespace tarnwick
