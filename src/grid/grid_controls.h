// SPDX-License-Identifier: GPL-3.0-or-later
// The small controls every grid window has beside its grid: the row counter and the Home/End
// button.
#pragma once

#include <QLabel>
#include <functional>

namespace tarnwick {

class ImageButton;

// The number of rows a grid shows, on a grey plate that turns blue while the left button holds
// it down; the press is the window's cue to select every row. The plate and the number carry
// the object names `plateName` and `labelName`.
class RowCounter : public QLabel {
  Q_OBJECT

 public:
  RowCounter(const QString& plateName, const QString& labelName, QSize size, QWidget* parent = nullptr);

  // The number shown and its tooltip, which is also what a screen reader says.
  void showRows(int rows, const QString& toolTip);
  QLabel* label() const { return label_; }

 signals:
  void pressed();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void setPressedLook(bool pressed);

  QLabel* label_;
};

// The Home/End button's press: with its picture "TO_END" the grid goes to its last page and the
// button turns into "TO_HOME" ("Go to Home"), and back. `scrollToTopRow` puts a row at the top of
// the grid; nothing happens for a grid without rows.
void StepHomeEnd(ImageButton& button, int rows, const std::function<void(int row)>& scrollToTopRow);

}  // namespace tarnwick
