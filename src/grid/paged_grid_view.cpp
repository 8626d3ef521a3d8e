// SPDX-License-Identifier: GPL-3.0-or-later
#include "grid/paged_grid_view.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QScrollBar>
#include <algorithm>

namespace tarnwick {

bool IsRowStepKey(int key) {
  switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
      return true;
    default:
      return false;
  }
}

PagedGridView::PagedGridView(const QString& objectName, int pageRows, QWidget* parent)
    : QTableView(parent), pageRows_(pageRows) {
  setObjectName(objectName);
  QFont compact = font();
  compact.setPointSizeF(compact.pointSizeF() * 0.85);
  setFont(compact);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::ContiguousSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setWordWrap(false);
  setTabKeyNavigation(false);
  setCornerButtonEnabled(false);
  horizontalHeader()->hide();
  verticalHeader()->hide();
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setMinimumSectionSize(1);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 2);
  horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  horizontalHeader()->setMinimumSectionSize(1);
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

int PagedGridView::rowHeight() const { return verticalHeader()->defaultSectionSize(); }

void PagedGridView::fitToRows(int rows) {
  const bool paged = rows >= pageRows_;
  setVerticalScrollBarPolicy(paged ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  const int shown = std::clamp(rows, 0, pageRows_);
  setFixedHeight(shown * rowHeight() + 2 * frameWidth());
  // A short grid has no scroll bar and keeps no empty strip for one.
  int width = 2 * frameWidth() + (paged ? verticalScrollBar()->sizeHint().width() : 0);
  const int columns = model() != nullptr ? model()->columnCount() : 0;
  for (int col = 0; col < columns; ++col) width += horizontalHeader()->sectionSize(col);
  setFixedWidth(width);
}

int PagedGridView::firstVisibleRow() const { return verticalScrollBar()->value(); }

void PagedGridView::scrollToTopRow(int row) { verticalScrollBar()->setValue(row); }

void PagedGridView::mousePressEvent(QMouseEvent* event) {
  emit mousePressStarted();
  const int row = indexAt(event->position().toPoint()).row();
  // Only the left button selects (and so plays or shows a row); the others leave the selection.
  if (event->button() == Qt::LeftButton) {
    QTableView::mousePressEvent(event);
  } else {
    event->accept();
  }
  if (row >= 0) emit mousePressedOnRow(row, event->button());
}

void PagedGridView::mouseReleaseEvent(QMouseEvent* event) {
  QTableView::mouseReleaseEvent(event);
  emit mouseReleased();
}

}  // namespace tarnwick
