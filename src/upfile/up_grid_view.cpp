// SPDX-License-Identifier: GPL-3.0-or-later
#include "upfile/up_grid_view.h"

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
    option->backgroundBrush = option->palette.button();
  }
};

}  // namespace

UPGridView::UPGridView(int file, QWidget* parent) : QTableView(parent) {
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
  const int row = indexAt(event->position().toPoint()).row();
  if (row >= 0) emit mousePressedOnRow(row);
  QTableView::mousePressEvent(event);
}

void UPGridView::mouseReleaseEvent(QMouseEvent* event) {
  QTableView::mouseReleaseEvent(event);
  emit mouseReleased();
}

}  // namespace tarnwick
