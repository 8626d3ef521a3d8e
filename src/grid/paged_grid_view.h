// SPDX-License-Identifier: GPL-3.0-or-later
// The table of a browser grid: whole rows selected, fixed column widths, no header of its own
// (header buttons sit above it), a height of at most one page of rows with a scroll bar from a
// full page on, and the mouse presses the grid windows react to. Only the left button selects.
#pragma once

#include <QTableView>

namespace tarnwick {

// The keys that move a grid's current row: up and down, the page keys, Home and End.
bool IsRowStepKey(int key);

class PagedGridView : public QTableView {
  Q_OBJECT

 public:
  PagedGridView(const QString& objectName, int pageRows, QWidget* parent = nullptr);

  int pageRows() const { return pageRows_; }
  // Sizes the view to `rows` rows, at most a page; the width has room for the scroll bar only when
  // there is one.
  void fitToRows(int rows);
  int rowHeight() const;
  int firstVisibleRow() const;
  void scrollToTopRow(int row);

 signals:
  // Around the view's own handling of a press: before it, and after it (with the row pressed).
  void mousePressStarted();
  void mousePressedOnRow(int row, Qt::MouseButton button);
  void mouseReleased();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  int pageRows_;
};

}  // namespace tarnwick
