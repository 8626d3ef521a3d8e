// SPDX-License-Identifier: GPL-3.0-or-later
// The grid of a browser: fill, sort, re-selection and the selection handler.
#include <QItemSelectionModel>
#include <QCheckBox>
#include <QLabel>
#include <algorithm>

#include "grid/filter_box.h"
#include "grid/grid_controls.h"
#include "grid/grid_header_button.h"
#include "grid/paged_grid_view.h"
#include "tone/frm_tone_browser.h"
#include "ui/image_button.h"

namespace tarnwick {
namespace {

QString HeaderPictureName(HeaderMark mark) {
  switch (mark) {
    case HeaderMark::Ascending:
      return QStringLiteral("HeadSort_Down");
    case HeaderMark::Descending:
      return QStringLiteral("HeadSort_Up");
    default:
      return QStringLiteral("HeadSort_Norm");
  }
}

SortMark DrawnMark(HeaderMark mark) {
  return mark == HeaderMark::Ascending    ? SortMark::Ascending
         : mark == HeaderMark::Descending ? SortMark::Descending
                                          : SortMark::None;
}

}  // namespace

void frmToneBrowser::Fill() {
  BrowserFilterTexts texts;
  for (int box = 1; box <= kBrowserFilterCount; ++box) texts[static_cast<std::size_t>(box)] = filters_[static_cast<std::size_t>(box)]->text();
  settings_.showPlus = showPlus_->isChecked();
  {
    const bool was = handlingSelection_;
    handlingSelection_ = true;
    model_->fill(texts, settings_.markPos, settings_.showPlus, sort_.SortCol, sort_.SortDir);
    const int rows = model_->rowCount();
    grid_->fitToRows(rows);
    grid_->setVisible(rows > 0);
    showCount();
    FindAndSelectEntry(selection_.entry);
    handlingSelection_ = was;
  }
  onSelectionChanged();
  emit filled();
}

void frmToneBrowser::Refresh() {
  {
    const bool was = handlingSelection_;
    handlingSelection_ = true;
    model_->sortRows(sort_.SortCol, sort_.SortDir);
    FindAndSelectEntry(selection_.entry);
    handlingSelection_ = was;
  }
  onSelectionChanged();
}

void frmToneBrowser::SortGridByHeader(int col) {
  const int previous = sort_.SortCol;
  ClickSortHeader(sort_, col);
  showHeaderLook(previous);
  showHeaderLook(col);
  Refresh();
}

void frmToneBrowser::showHeaderLook(int col) {
  const HeaderMark mark = HeaderMarkOf(sort_, col);
  headers_[static_cast<std::size_t>(col)]->setLook(HeaderPictureName(mark), BrowserHeaderCaption(kind_, col),
                                                   DrawnMark(mark));
}

// Selects the row of entry `id` on its page of 35 rows. An entry that is no longer listed leaves
// the first row selected, highlighted like any other, so that what plays is what shows.
int frmToneBrowser::FindAndSelectEntry(int id) {
  QItemSelectionModel* selection = grid_->selectionModel();
  if (id < 0) {
    selection->clearSelection();
    return -1;
  }
  int row = model_->rowOfEntry(id);
  if (row < 0 && model_->rowCount() > 0) row = 0;
  if (row < 0) {
    selection->clear();
    return 0;
  }
  grid_->scrollToTopRow(row / kBrowserPageRows * kBrowserPageRows);
  selection->setCurrentIndex(model_->index(row, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  return 0;
}

void frmToneBrowser::onSelectionChanged() {
  if (handlingSelection_) return;
  ++handlerRuns_;
  const int rows = model_->rowCount();
  QItemSelectionModel* selection = grid_->selectionModel();
  const int current = grid_->currentIndex().row();
  if (rows == 0 || current < 0) {
    selection_ = BrowserSelection{};
    return;
  }
  int first = current;
  int last = current;
  for (const QModelIndex& index : selection->selectedRows()) {
    first = std::min(first, index.row());
    last = std::max(last, index.row());
  }
  selection_ = {first, last, last - first + 1, current, model_->rowAt(current).entry};
  handlingSelection_ = true;
  selection->select(model_->index(current, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  handlingSelection_ = false;

  if (settings_.gridToMidiOut && midi_.outOpen && midi_.outOpen() && midi_.sendBankProgram) {
    const BrowserRow& row = model_->rowAt(current);
    midi_.sendBankProgram(MidiChannel::fromZeroBased(settings_.channel), row.msb, row.lsb,
                          MidiProgramNumber::fromOneBased(row.program));
  }
}

void frmToneBrowser::showCount() {
  const int rows = model_->rowCount();
  // The size of the loaded table, not a fixed number.
  counter_->showRows(rows, QStringLiteral("%1 of %2").arg(rows).arg(model_->tableSize()));
}

void frmToneBrowser::goHomeOrEnd() {
  StepHomeEnd(*homeEnd_, model_->rowCount(), [this](int row) { grid_->scrollToTopRow(row); });
}

}  // namespace tarnwick
