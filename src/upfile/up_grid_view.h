// SPDX-License-Identifier: GPL-3.0-or-later
// The table of one UP grid: whole rows selected in one block, the ID column drawn like a header,
// fixed column widths and a height of at most 30 rows (with a scroll bar from 30 rows on).
#pragma once

#include <QTableView>

namespace tarnwick {

class UPGridView : public QTableView {
  Q_OBJECT

 public:
  explicit UPGridView(int file, QWidget* parent = nullptr);

  // Sizes the view to `rows` rows, at most a page of 30.
  void fitToRows(int rows);
  int rowHeight() const;
  int firstVisibleRow() const;
  void scrollToTopRow(int row);

 signals:
  void mousePressedOnRow(int row);
  void mouseReleased();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace tarnwick
