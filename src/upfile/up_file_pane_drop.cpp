// SPDX-License-Identifier: GPL-3.0-or-later
// Drops on a pane whose grid is hidden. Rows are appended (there is no row to insert before or
// copy over); a .UPS file opens as a drop on the grid would open it.
#include <QCoreApplication>
#include <QDropEvent>
#include <QTimer>

#include "upfile/up_file_pane.h"
#include "upfile/up_grid_view.h"

namespace tarnwick {

DragPayload UPFilePane::payloadTaken(const QDropEvent& event) const {
  if (!grid->isHidden() || event.mimeData() == nullptr) return DragPayload{};
  DragPayload payload = ReadDragPayload(*event.mimeData(), QCoreApplication::applicationPid());
  const bool ownRows = payload.rows.has_value() && payload.rows->sourceFile == file;
  return ownRows ? DragPayload{} : payload;
}

bool UPFilePane::judgeDrop(QDropEvent* event) const {
  const DragPayload payload = payloadTaken(*event);
  if (!payload.rows && payload.file.isEmpty()) {
    event->ignore();
    return false;
  }
  const Qt::DropAction wanted = payload.rows ? Qt::MoveAction : Qt::CopyAction;
  if (event->possibleActions().testFlag(wanted)) {
    event->setDropAction(wanted);
    event->accept();
  } else {
    event->acceptProposedAction();
  }
  return true;
}

void UPFilePane::dragEnterEvent(QDragEnterEvent* event) { judgeDrop(event); }

void UPFilePane::dragMoveEvent(QDragMoveEvent* event) { judgeDrop(event); }

void UPFilePane::dropEvent(QDropEvent* event) {
  const DragPayload payload = payloadTaken(*event);
  if (!judgeDrop(event)) return;
  // As on the grid: the change runs once the drag's own event loop has ended.
  QTimer::singleShot(0, this, [this, payload] {
    if (payload.rows) {
      emit rowsDropped(*payload.rows);
    } else {
      emit fileDropped(payload.file);
    }
  });
}

}  // namespace tarnwick
