// SPDX-License-Identifier: GPL-3.0-or-later
#include "upfile/up_grid_view.h"

#include <QApplication>
#include <QHeaderView>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <algorithm>

#include "upfile/grid_columns.h"

namespace tarnwick {
namespace {

// Paints the cells of the ID column on the button colour, as a header column looks.
class IDColumnDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

 protected:
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
    QStyledItemDelegate::initStyleOption(option, index);
    const QVariant shade = index.data(Qt::BackgroundRole);  // a comparison marks the ID too
    option->backgroundBrush = shade.isValid() ? shade.value<QBrush>() : option->palette.button();
  }
};

}  // namespace

UPGridView::UPGridView(int file, QWidget* parent) : QTableView(parent), file_(file) {
  setObjectName(QStringLiteral("Grid_frmUPFile_UP_%1").arg(file));
  setAccessibleName(QStringLiteral("File %1 UPs").arg(file));
  // A compact face, so that the thirteen columns keep their narrow widths with readable texts.
  QFont compact = font();
  compact.setPointSizeF(compact.pointSizeF() * 0.85);
  setFont(compact);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::ContiguousSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setWordWrap(false);
  setTextElideMode(Qt::ElideNone);  // "FDD" in a narrow column reads better clipped than as "F..."
  setTabKeyNavigation(false);
  setCornerButtonEnabled(false);
  horizontalHeader()->hide();
  verticalHeader()->hide();
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setMinimumSectionSize(1);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
  horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  horizontalHeader()->setMinimumSectionSize(1);
  setItemDelegateForColumn(kColID, new IDColumnDelegate(this));
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  setAcceptDrops(true);
  viewport()->setAcceptDrops(true);
}

int UPGridView::rowHeight() const { return verticalHeader()->defaultSectionSize(); }

void UPGridView::fitToRows(int rows) {
  const bool paged = rows >= kGridPageRows;
  setVerticalScrollBarPolicy(paged ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  const int shown = std::min(rows, kGridPageRows);
  setFixedHeight(shown * rowHeight() + 2 * frameWidth());
  // The width keeps room for the scroll bar, so the columns never move when it comes and goes.
  int width = 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
  for (int col = 0; col < kGridColumnCount; ++col) width += horizontalHeader()->sectionSize(col);
  setFixedWidth(width);
}

int UPGridView::firstVisibleRow() const { return verticalScrollBar()->value(); }

void UPGridView::scrollToTopRow(int row) { verticalScrollBar()->setValue(row); }

void UPGridView::mousePressEvent(QMouseEvent* event) {
  emit buttonPressed();
  const QModelIndex cell = indexAt(event->position().toPoint());
  const bool onSelection = cell.isValid() && selectionModel()->isSelected(model()->index(cell.row(), kColUserProgram));
  if (event->button() == Qt::LeftButton && event->modifiers() == Qt::NoModifier && onSelection) {
    // Wait: moving on drags the rows, a release in place makes this press an ordinary one.
    pendingPress_.reset(static_cast<QMouseEvent*>(event->clone()));
    return;
  }
  if (cell.isValid()) emit mousePressedOnRow(cell.row());
  QTableView::mousePressEvent(event);
}

void UPGridView::mouseMoveEvent(QMouseEvent* event) {
  if (pendingPress_ && !event->buttons().testFlag(Qt::LeftButton)) pendingPress_.reset();  // released elsewhere
  if (pendingPress_) {
    const QPoint moved = event->position().toPoint() - pendingPress_->position().toPoint();
    if (moved.manhattanLength() < QApplication::startDragDistance()) return;
    pendingPress_.reset();
    emit rowDragRequested();
    return;
  }
  QTableView::mouseMoveEvent(event);
}

void UPGridView::mouseReleaseEvent(QMouseEvent* event) {
  if (pendingPress_) replayPendingPress();
  QTableView::mouseReleaseEvent(event);
  emit mouseReleased();
}

void UPGridView::mouseDoubleClickEvent(QMouseEvent* event) {
  if (pendingPress_) replayPendingPress();  // the second press of a double-click is an ordinary one
  QTableView::mouseDoubleClickEvent(event);
}

void UPGridView::replayPendingPress() {
  const std::unique_ptr<QMouseEvent> press = std::move(pendingPress_);
  const int row = indexAt(press->position().toPoint()).row();
  if (row >= 0) emit mousePressedOnRow(row);
  QTableView::mousePressEvent(press.get());
}

}  // namespace tarnwick
