// SPDX-License-Identifier: GPL-3.0-or-later
#include "disklink/frm_dl.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

#include "state/app_state.h"
#include "disklink/disk_link_edits.h"
#include "disklink/dl_grid_model.h"
#include "disklink/dl_side.h"
#include "grid/filter_box.h"
#include "grid/grid_controls.h"
#include "grid/grid_state.h"
#include "grid/paged_grid_view.h"
#include "ui/focus_park.h"
#include "ui/image_button.h"
#include "grid/grid_header_button.h"
#include "ui/undo_shortcuts.h"

namespace tarnwick {

std::optional<QString> EditNameInPopup(QWidget* parent, const NameEditRequest& request) {
  FrmNameEditor popup(parent);
  popup.setUp(request.place, request.alignment, request.text, request.fill,
              QStringLiteral("Disk Link name"));
  popup.exec();
  if (!popup.TextEditAccepted()) return std::nullopt;
  return popup.text();
}

frmDL::frmDL(AppState& state, QWidget* parent)
    : QWidget(parent), state_(state), changes_(state.up, state.history) {
  setObjectName(QStringLiteral("frmDL"));
  setWindowTitle(QStringLiteral("Disk Link"));
  editName_ = [this](const NameEditRequest& request) { return EditNameInPopup(this, request); };
  changes_.setListener([this](const HeaderChange& change) { emit fileModified(change.file); });
  connect(this, &frmDL::fileModified, this, [this] { showFileLooks(); });
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  for (int s = 0; s < 2; ++s) {
    sides_[static_cast<std::size_t>(s)] = new DLSide(s, state_.fileColor[static_cast<std::size_t>(s)], this);
    layout->addWidget(sides_[static_cast<std::size_t>(s)], 0, Qt::AlignTop);
    connectSide(s);
  }
  layout->addStretch(1);
  dummy_ = CreateDummyButton(this, QStringLiteral("Disk Link view"));
  dummy_->installEventFilter(this);
  AddUndoShortcuts(this, [this] { undoChange(activeSide_); }, [this] { redoChange(activeSide_); });
  connectGridMenus();
  // Load: both sides sorted ascending by ID.
  for (int s = 0; s < 2; ++s) {
    sel(s).sortOrder = 2;
    SortByHeader(sel(s), 0);
    showHeaderLooks(s);
    Fill_Grid_frmDL_DL(s);
  }
}

void frmDL::connectSide(int s) {
  DLSide& p = side(s);
  connect(p.grid->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          [this, s] { onSelectionChanged(s); });
  // The selection handler that follows a press reads the selected entry from the first row.
  connect(p.grid, &PagedGridView::mousePressStarted, this, [this, s] {
    if (side(s).model->rowCount() > 0) activeSide_ = s;
  });
  connect(p.grid, &QAbstractItemView::doubleClicked, this,
          [this, s](const QModelIndex& index) { rename(s, index); });
  for (int col = 0; col < 3; ++col) {
    GridHeaderButton* header = p.headers[static_cast<std::size_t>(col)];
    connect(header, &ImageButton::leftPressed, this, [this, s, col] { sortByHeader(s, col); });
    connect(header, &GridHeaderButton::rightPressed, this, [this, s, col] { alignByHeader(s, col); });
  }
  for (FilterBox* box : p.filters) {
    connect(box, &FilterBox::refreshRequested, this, [this, s] { Fill_Grid_frmDL_DL(s); });
    connect(box, &FilterBox::focusChanged, this,
            [this](bool hasFocus) { state_.windowKeysEnabled = !hasFocus; });
  }
  connect(p.clearFilter, &ImageButton::leftPressed, this, [this, s] { clearFilter(s); });
  connect(p.homeEnd, &ImageButton::leftPressed, this, [this, s] { goHomeOrEnd(s); });
  connect(p.copy, &ImageButton::leftPressed, this, [this, s] { copyToOtherSide(s); });
  connect(p.counter, &RowCounter::pressed, this, [this, s] {
    selectAllRows(s);
    parkFocus();
  });
  p.grid->installEventFilter(this);
}

void frmDL::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  activate();
}

void frmDL::activate() {
  showFileLooks();
  for (int s = 0; s < 2; ++s) Fill_Grid_frmDL_DL(s);
  parkFocus();
}

void frmDL::Fill_Grid_frmDL_DL(int s) {
  DLSide& p = side(s);
  const UPSHeader& header = state_.up.files[static_cast<std::size_t>(s)].header;
  std::vector<DLRow> rows = ListDiskLinks(header, p.filters[0]->text(), p.filters[1]->text());
  const int count = static_cast<int>(rows.size());
  p.counter->showRows(count, QStringLiteral("%1 of 111").arg(count));
  p.grid->fitToRows(count);
  ++refilling_;
  SortDiskLinkRows(rows, sel(s).sortColumn, sel(s).sortOrder);
  p.model->setRows(std::move(rows));
  --refilling_;
  Refresh_Grid_frmDL_DL(s);
  p.grid->setVisible(count > 0);
  onSelectionChanged(s);
}

void frmDL::Refresh_Grid_frmDL_DL(int s) {
  DLSide& p = side(s);
  ++refilling_;
  std::vector<DLRow> rows = p.model->rows();
  SortDiskLinkRows(rows, sel(s).sortColumn, sel(s).sortOrder);
  p.model->setRows(std::move(rows));
  --refilling_;
  if (p.model->rowCount() == 0) return;
  int row = p.model->rowOfId(sel(s).selID);
  if (row < 0) row = 0;
  p.grid->scrollToTopRow((row / kDLPageRows) * kDLPageRows);
  selectRows(s, row, row);
}

void frmDL::selectRows(int s, int first, int last) {
  DLSide& p = side(s);
  const QItemSelection rows(p.model->index(first, 0), p.model->index(last, kDLColumnCount - 1));
  ++refilling_;
  p.grid->selectionModel()->setCurrentIndex(p.model->index(first, 0), QItemSelectionModel::NoUpdate);
  p.grid->selectionModel()->select(rows, QItemSelectionModel::ClearAndSelect);
  --refilling_;
  onSelectionChanged(s);
}

void frmDL::onSelectionChanged(int s) {
  if (refilling_ > 0) return;
  activeSide_ = s;
  DLSide& p = side(s);
  int start = -1;
  int end = -1;
  for (const QItemSelectionRange& range : p.grid->selectionModel()->selection()) {
    start = start < 0 ? range.top() : std::min(start, range.top());
    end = std::max(end, range.bottom());
  }
  ReadSelection(sel(s), p.model->rows(), start, end);
  const bool pairable = selection(0).count > 0 && selection(0).count == selection(1).count;
  for (int t = 0; t < 2; ++t) side(t).copy->setVisible(pairable);
  p.selectedRows->setText(QString::number(sel(s).count));
  p.selectedID->setText(sel(s).selID < 0 ? QStringLiteral("None") : QString::number(sel(s).selID));
}

void frmDL::showHeaderLooks(int s) {
  for (int col = 0; col < 3; ++col) {
    SortMark mark = SortMark::None;
    QString picture = QStringLiteral("HeadSort_Norm");
    if (col == sel(s).sortColumn) {
      const bool ascending = sel(s).sortOrder == 1;
      mark = ascending ? SortMark::Ascending : SortMark::Descending;
      picture = ascending ? QStringLiteral("HeadSort_Down") : QStringLiteral("HeadSort_Up");
    }
    side(s).headers[static_cast<std::size_t>(col)]->setLook(picture, DLColumnCaption(col), mark);
  }
}

void frmDL::sortByHeader(int s, int col) {
  activeSide_ = s;
  SortByHeader(sel(s), col);
  showHeaderLooks(s);
  Refresh_Grid_frmDL_DL(s);
  parkFocus();
}

void frmDL::alignByHeader(int s, int col) {
  DLGridModel& model = *side(s).model;
  model.setAlignment(col, NextAlignment(model.alignment(col)));
  parkFocus();
}

void frmDL::goHomeOrEnd(int s) {
  const int rows = side(s).model->rowCount();
  if (rows == 0) return;
  StepHomeEnd(*side(s).homeEnd, rows, [this, s](int row) { side(s).grid->scrollToTopRow(row); });
  parkFocus();
}

void frmDL::clearFilter(int s) {
  ClearFilterBoxes(side(s).filters);
  Fill_Grid_frmDL_DL(s);
  parkFocus();
}

void frmDL::selectAllRows(int s) {
  const int rows = side(s).model->rowCount();
  if (rows > 0) selectRows(s, 0, rows - 1);
}

void frmDL::parkFocus() { dummy_->setFocus(Qt::OtherFocusReason); }

}  // namespace tarnwick
