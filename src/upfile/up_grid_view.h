// SPDX-License-Identifier: GPL-3.0-or-later
// The table of one UP grid: whole rows selected in one block, the ID column drawn like a header,
// fixed column widths and a height of at most 30 rows (with a scroll bar from 30 rows on).
// Rows are dragged as in any Qt view: a press on the selection that moves farther than
// QApplication::startDragDistance(), in any direction, drags them; a press elsewhere selects a
// block as the pointer moves, and a press on the selection released in place selects that row. The
// grid takes rows of the other grid and .UPS files from a file manager, with a line (or for a
// copy a frame) showing where they go.
#pragma once

#include <QMouseEvent>
#include <QTableView>
#include <memory>

#include "upfile/drop_rules.h"

class QDropEvent;

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
  // Any mouse button went down on the grid, before the press changes anything.
  void buttonPressed();
  void mousePressedOnRow(int row);
  void mouseReleased();
  // The selected rows are being dragged out of the grid.
  void rowDragRequested();
  // Emitted once the drop is over (the drag's own event loop has ended). `row` is -1 below the
  // last row; `copy` when Ctrl was held.
  void rowsDropped(const tarnwick::RowDrag& drag, int row, bool copy);
  void fileDropped(const QString& path);
  // UPs dragged from the catalog's results (the payload of result_drag.h).
  void catalogDropped(const QByteArray& payload, int row, bool copy);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dragLeaveEvent(QDragLeaveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  struct DropTarget {
    std::optional<RowDrag> rows;
    QByteArray catalog;  // UPs of the catalog, read from their files on the drop
    int catalogCount = 0;
    QString file;
    int row = -1;
    bool copy = false;
    bool accepted() const { return rows.has_value() || !catalog.isEmpty() || !file.isEmpty(); }
    bool takesRows() const { return rows.has_value() || !catalog.isEmpty(); }
  };
  DropTarget targetOf(const QDropEvent& event) const;
  bool judgeDrop(QDropEvent* event);
  void showDropIndicator(const DropTarget& target);
  void hideDropIndicator();
  void replayPendingPress();
  void scrollWhileDragging(int y);

  int file_;
  std::unique_ptr<QMouseEvent> pendingPress_;  // a press on the selection, not yet a click or a drag
  int indicatorRow_ = -2;                     // -2: none; -1: below the last row
  int indicatorRows_ = 0;                     // rows framed for a copy; 0 for a line
};

}  // namespace tarnwick
