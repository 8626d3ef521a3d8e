// SPDX-License-Identifier: GPL-3.0-or-later
// One filter box above a grid. It applies the rules it is given (grid/filter_rules.h) to typing,
// pasting, arrow keys, clicks on its halves (number boxes) and the mouse wheel, and asks for a
// refresh of its grid when a change is to be applied.
#pragma once

#include <QLineEdit>

#include "grid/filter_rules.h"

namespace tarnwick {

class FilterBox : public QLineEdit {
  Q_OBJECT

 public:
  explicit FilterBox(FilterRules rules, QWidget* parent = nullptr);

  const FilterRules& rules() const { return rules_; }
  // A new tooltip (the UP grids' selector columns change theirs); the accessible name follows.
  void setRulesToolTip(const QString& toolTip);
  bool caretHidden() const;
  // Sets the text without the change handling.
  void setTextQuietly(const QString& text);
  // Clear Filter's part: empty, without the change handling, in the look of an empty box.
  void clearQuietly();
  // Up (true) or Down (false), as for the arrow keys.
  void step(bool up, bool ctrl);
  void showRestingLook();  // the look of a box without the focus
  // A wheel turn over the box (120 per notch, positive away from the user): a step per notch.
  void wheelStep(int delta);

 signals:
  void refreshRequested();
  void helpRequested();
  void focusChanged(bool hasFocus);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  void onTextChanged(const QString& text);
  bool handleTyping(QKeyEvent* event);
  void setCaretHidden(bool hidden);
  void updatePointer(int x);
  void setLook(const QColor& background, bool bold);
  bool isNumberBox() const;

  FilterRules rules_;
  class CaretStyle* caretStyle_;
  bool quiet_ = false;
  int wheelRemainder_ = 0;
};

// Clear Filter: every box of `boxes` emptied with clearQuietly (null entries are skipped); the
// caller then refreshes its grid once.
template <typename Boxes>
void ClearFilterBoxes(const Boxes& boxes) {
  for (FilterBox* box : boxes) {
    if (box != nullptr) box->clearQuietly();
  }
}

}  // namespace tarnwick
