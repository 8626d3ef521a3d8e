// SPDX-License-Identifier: GPL-3.0-or-later
// Drag and drop in the UP file window: rows dragged from one grid into the other go through the
// same transfers as the buttons (so they can be undone), and a .UPS file dropped on a grid opens
// there as Open would. A pane whose grid is hidden takes both in its grid's place.
#include <QCoreApplication>
#include <QDrag>
#include <QMimeData>
#include <QPainter>

#include "state/app_state.h"
#include "upfile/drop_rules.h"
#include "upfile/frm_up_file.h"
#include "upfile/up_file_pane.h"
#include "upfile/up_grid_model.h"
#include "upfile/up_grid_view.h"

namespace tarnwick {

namespace {

// What travels under the pointer: "3 UPs" on the selection's colours.
QPixmap DragBadge(const QWidget& grid, std::size_t count) {
  const QString text = count == 1 ? QStringLiteral("1 UP") : QStringLiteral("%1 UPs").arg(count);
  const QFontMetrics metrics(grid.font());
  QPixmap badge(metrics.horizontalAdvance(text) + 12, metrics.height() + 6);
  badge.fill(grid.palette().color(QPalette::Highlight));
  QPainter painter(&badge);
  painter.setFont(grid.font());
  painter.setPen(grid.palette().color(QPalette::HighlightedText));
  painter.drawText(badge.rect(), Qt::AlignCenter, text);
  return badge;
}

}  // namespace

void frmUPFile::connectDragAndDrop(int file) {
  UPGridView* view = pane(file).grid;
  connect(view, &UPGridView::rowDragRequested, this, [this, file] { startRowDrag(file); });
  connect(view, &UPGridView::rowsDropped, this,
          [this, file](const RowDrag& drag, int row, bool copy) { dropRows(file, drag, row, copy); });
  connect(view, &UPGridView::catalogDropped, this,
          [this, file](const QByteArray& payload, int row, bool copy) { dropCatalogUPs(file, payload, row, copy); });
  connect(view, &UPGridView::fileDropped, this,
          [this, file](const QString& path) { runFileCommand(file, files_.OpenPath(file, path)); });
  // With no row shown the grid is hidden and its pane takes the drop.
  connect(&pane(file), &UPFilePane::rowsDropped, this,
          [this, file](const RowDrag& rows) { dropRows(file, rows, -1, false); });
  connect(&pane(file), &UPFilePane::fileDropped, this,
          [this, file](const QString& path) { runFileCommand(file, files_.OpenPath(file, path)); });
}

// The rows travel as they were selected when the button went down.
void frmUPFile::startRowDrag(int file) {
  RowDrag rows{QCoreApplication::applicationPid(), file, pressedIDs_[static_cast<std::size_t>(file)]};
  if (rows.ids.empty()) {
    gridButtonReleased();
    return;
  }
  auto* drag = new QDrag(pane(file).grid);
  drag->setMimeData(RowDragMimeData(rows));
  drag->setPixmap(DragBadge(*pane(file).grid, rows.ids.size()));
  drag->setHotSpot(QPoint(-16, -8));  // beside the pointer, so the drop line stays in sight
  drag->exec(Qt::CopyAction | Qt::MoveAction, Qt::MoveAction);  // Escape cancels
  gridButtonReleased();  // the drag took the release
  parkFocus();
}

void frmUPFile::dropRows(int target, const RowDrag& rows, int row, bool copy) {
  const int source = rows.sourceFile;
  if (source == target || source < 0 || source > 1) return;
  for (const int id : rows.ids) {
    if (id >= upFile(source).count) return;  // the source changed since the drag began
  }
  applyDrop(target, upFile(source), rows.ids, row, copy);
}

// Dropped UPs go in as the transfer that the drop's place and Ctrl call for, with its limits.
void frmUPFile::applyDrop(int target, const UPFile& source, const std::vector<int>& from, int row, bool copy) {
  const DropPlan plan = PlanRowDrop(model(target).rowIDs(), row, from.size(), copy);
  if (!plan.refusal.empty()) {
    dialogs_.showMessage(QString::fromStdString(plan.refusal));
    return;
  }
  touchGrid(target);
  switch (plan.kind) {
    case DropKind::Copy:
      grid(target).SelID = plan.targetIDs.front();
      runTransfer(target, QString(), [&] { return CopyUPsStep(source, from, upFile(target), plan.targetIDs); });
      break;
    case DropKind::Insert:
      grid(target).SelID = plan.position;
      runTransfer(target, QStringLiteral(" Ins"),
                  [&] { return InsertUPsStep(source, from, upFile(target), plan.position); });
      break;
    case DropKind::Append:
      grid(target).SelID = upFile(target).count;
      runTransfer(target, QStringLiteral(" Add"), [&] { return AppendUPsStep(source, from, upFile(target)); });
      break;
  }
}

}  // namespace tarnwick
