// SPDX-License-Identifier: GPL-3.0-or-later
// Drops on a UP grid: what is accepted, the pointer and the line showing where the rows go.
#include <QCoreApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>

#include "catalog/result_drag.h"
#include "upfile/up_grid_view.h"

namespace tarnwick {

UPGridView::DropTarget UPGridView::targetOf(const QDropEvent& event) const {
  DropTarget target;
  const QMimeData* data = event.mimeData();
  if (data == nullptr) return target;
  const QPoint at = event.position().toPoint();
  target.row = indexAt(at).row();
  target.copy = event.modifiers().testFlag(Qt::ControlModifier);
  // The grid is exactly as tall as its rows: the lower half of the last row stands for "below".
  const int last = model() == nullptr ? -1 : model()->rowCount() - 1;
  if (!target.copy && target.row >= 0 && target.row == last && at.y() > rowViewportPosition(last) + rowHeight() / 2)
    target.row = -1;
  DragPayload payload = ReadDragPayload(*data, QCoreApplication::applicationPid());
  // Only rows of the other grid: dropping on their own grid does nothing.
  if (payload.rows && payload.rows->sourceFile != file_) target.rows = std::move(payload.rows);
  target.file = payload.file;
  if (data->hasFormat(QString::fromLatin1(kCatalogDragMimeType))) {
    const QByteArray catalog = data->data(QString::fromLatin1(kCatalogDragMimeType));
    if (const auto ups = DecodeCatalogDrag(catalog)) {
      target.catalog = catalog;
      target.catalogCount = static_cast<int>(ups->size());
    }
  }
  return target;
}

// Accepts or refuses the drag where the pointer is, with the action that the pointer shows:
// a copy for Ctrl and for files, a move-like insert otherwise.
bool UPGridView::judgeDrop(QDropEvent* event) {
  const DropTarget target = targetOf(*event);
  if (!target.accepted()) {
    event->ignore();
    hideDropIndicator();
    return false;
  }
  const Qt::DropAction wanted = target.rows && !target.copy ? Qt::MoveAction : Qt::CopyAction;
  if (event->possibleActions().testFlag(wanted)) {
    event->setDropAction(wanted);
    event->accept();
  } else {
    event->acceptProposedAction();
  }
  showDropIndicator(target);
  return true;
}

void UPGridView::dragEnterEvent(QDragEnterEvent* event) { judgeDrop(event); }

void UPGridView::dragMoveEvent(QDragMoveEvent* event) {
  scrollWhileDragging(event->position().toPoint().y());
  judgeDrop(event);
}

void UPGridView::dragLeaveEvent(QDragLeaveEvent* event) {
  hideDropIndicator();
  event->accept();
}

void UPGridView::dropEvent(QDropEvent* event) {
  const DropTarget target = targetOf(*event);
  if (!judgeDrop(event)) return;
  hideDropIndicator();
  // The change runs after the drag has ended: it may ask the user, and the drag's source
  // (the other grid) is still inside its own event loop now.
  QTimer::singleShot(0, this, [this, target] {
    if (target.rows) {
      emit rowsDropped(*target.rows, target.row, target.copy);
    } else if (!target.catalog.isEmpty()) {
      emit catalogDropped(target.catalog, target.row, target.copy);
    } else {
      emit fileDropped(target.file);
    }
  });
}

void UPGridView::scrollWhileDragging(int y) {
  QScrollBar* bar = verticalScrollBar();
  if (y < rowHeight()) bar->setValue(bar->value() - 1);
  if (y > viewport()->height() - rowHeight()) bar->setValue(bar->value() + 1);
}

void UPGridView::showDropIndicator(const DropTarget& target) {
  const int row = target.takesRows() ? (target.row < 0 ? -1 : target.row) : -2;
  const int dragged = target.rows ? static_cast<int>(target.rows->ids.size()) : target.catalogCount;
  const int framed = target.takesRows() && target.copy ? dragged : 0;
  if (row == indicatorRow_ && framed == indicatorRows_) return;
  indicatorRow_ = row;
  indicatorRows_ = framed;
  viewport()->update();
}

void UPGridView::hideDropIndicator() {
  if (indicatorRow_ == -2) return;
  indicatorRow_ = -2;
  indicatorRows_ = 0;
  viewport()->update();
}

void UPGridView::paintEvent(QPaintEvent* event) {
  QTableView::paintEvent(event);
  const int rows = model() == nullptr ? 0 : model()->rowCount();
  if (indicatorRow_ == -2) return;
  QPainter painter(viewport());
  painter.setPen(QPen(palette().color(QPalette::Highlight).darker(150), 2));
  const int first = indicatorRow_ < 0 ? rows : indicatorRow_;
  const int top = first < rows ? rowViewportPosition(first) : (rows > 0 ? rowViewportPosition(rows - 1) + rowHeight() : 0);
  if (indicatorRows_ == 0) {
    painter.drawLine(0, top + 1, viewport()->width(), top + 1);
    return;
  }
  // A copy overwrites the rows from the drop row down: frame them (red when too few remain).
  const int covered = std::min(indicatorRows_, rows - first);
  if (covered < indicatorRows_) painter.setPen(QPen(QColor(200, 0, 0), 2));
  painter.drawRect(1, top + 1, viewport()->width() - 2, std::max(covered, 1) * rowHeight() - 2);
}

}  // namespace tarnwick
