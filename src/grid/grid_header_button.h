// SPDX-License-Identifier: GPL-3.0-or-later
// A header button over one grid column: it shows the column's caption with the sort mark of the
// HeadSort picture sets, sorts on a left press (as every picture button acts) and reports right
// presses, which cycle the column's alignment.
#pragma once

#include "grid/header_picture.h"
#include "ui/image_button.h"

namespace tarnwick {

class GridHeaderButton : public ImageButton {
  Q_OBJECT

 public:
  GridHeaderButton(const QString& objectName, QWidget* parent = nullptr);

  // `picture` names the look ("HeadSort_Down_2", "Pad_HeadSort_Norm_1") for the record; the
  // face is drawn from the caption and the mark.
  void setLook(const QString& picture, const QString& caption, SortMark mark);
  QString caption() const { return caption_; }
  SortMark mark() const { return mark_; }

 signals:
  void rightPressed();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QString caption_;
  SortMark mark_ = SortMark::None;
};

}  // namespace tarnwick
