#include "disklink/dl_widgets.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>

#include <algorithm>

namespace tarnwick {

DLGridView::DLGridView(int side, QWidget* parent) : QTableView(parent) {
  setObjectName(QStringLiteral("Grid_frmDL_DL_%1").arg(side));
  setAccessibleName(QStringLiteral("File %1 Disk Links").arg(side));
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
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
  horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  horizontalHeader()->setMinimumSectionSize(1);
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

int DLGridView::rowHeight() const { return verticalHeader()->defaultSectionSize(); }

void DLGridView::fitToRows(int rows) {
  const bool paged = rows >= kPageRows;
  setVerticalScrollBarPolicy(paged ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  setFixedHeight(std::min(rows, kPageRows) * rowHeight() + 2 * frameWidth());
  // Room for the scroll bar is kept, so the columns never move when it comes and goes.
  int width = 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
  for (int col = 0; col < 3; ++col) width += horizontalHeader()->sectionSize(col);
  setFixedWidth(width);
}

void DLGridView::scrollToTopRow(int row) { verticalScrollBar()->setValue(row); }

int DLGridView::firstVisibleRow() const { return verticalScrollBar()->value(); }

void DLGridView::mousePressEvent(QMouseEvent* event) {
  emit mousePressedOnRow(indexAt(event->position().toPoint()).row(), event->button());
  QTableView::mousePressEvent(event);
}

DLFilterBox::DLFilterBox(const QString& objectName, const QString& toolTip, QWidget* parent)
    : QLineEdit(parent) {
  setObjectName(objectName);
  setToolTip(toolTip);
  setAccessibleName(toolTip);
  connect(this, &QLineEdit::textChanged, this, [this] {
    if (!quiet_) emit refillRequested();
  });
  showRestingLook();
}

void DLFilterBox::setTextQuietly(const QString& text) {
  quiet_ = true;
  setText(text);
  quiet_ = false;
  if (!hasFocus()) showRestingLook();
}

void DLFilterBox::showRestingLook() {
  if (text().isEmpty()) {
    setLook(QColor(192, 216, 215), false);
  } else {
    setLook(QColor(255, 255, 0), true);
  }
}

void DLFilterBox::setLook(const QColor& background, bool bold) {
  QPalette colours = palette();
  colours.setColor(QPalette::Base, background);
  setPalette(colours);
  QFont face = font();
  face.setBold(bold);
  setFont(face);
}

void DLFilterBox::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
      event->accept();
      return;
    default:
      QLineEdit::keyPressEvent(event);
  }
}

void DLFilterBox::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  setLook(QColor(255, 255, 255), true);
  emit focusChanged(true);
}

void DLFilterBox::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  showRestingLook();
  emit focusChanged(false);
}

}  // namespace tarnwick
