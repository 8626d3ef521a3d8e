// SPDX-License-Identifier: GPL-3.0-or-later
// The grids of the UP file window: refresh, sort, re-selection and the read-out beside them.
#include <QLabel>
#include <QLineEdit>
#include <algorithm>

#include "state/app_state.h"
#include "grid/grid_controls.h"
#include "ui/hourglass.h"
#include "ui/image_button.h"
#include "grid/filter_box.h"
#include "upfile/filter_box_rules.h"
#include "upfile/frm_up_file.h"
#include "upfile/grid_cells.h"
#include "upfile/grid_sort.h"
#include "grid/grid_header_button.h"
#include "upfile/transfer_buttons.h"
#include "upfile/up_file_pane.h"
#include "upfile/up_grid_model.h"
#include "upfile/up_grid_view.h"

namespace tarnwick {
namespace {

// Keeps the read-out from running while a grid is rebuilt; the rebuild runs it once at the end.
class RefreshGuard {
 public:
  explicit RefreshGuard(int& depth) : depth_(depth) { ++depth_; }
  ~RefreshGuard() { --depth_; }
  RefreshGuard(const RefreshGuard&) = delete;
  RefreshGuard& operator=(const RefreshGuard&) = delete;

 private:
  int& depth_;
};

QString HeaderPictureName(int col, const ColumnSelectors& selectors, HeaderMark mark) {
  const char* const looks[] = {"Norm", "Down", "Up"};
  const char* look = looks[static_cast<int>(mark)];
  if (col == kColPad)
    return QStringLiteral("Pad_HeadSort_%1_%2").arg(QLatin1String(look)).arg(selectors.PadCycle);
  if (col == kColEFX)
    return QStringLiteral("EFX_HeadSort_%1_%2").arg(QLatin1String(look)).arg(selectors.EFXCycle);
  return QStringLiteral("HeadSort_%1_%2").arg(QLatin1String(look)).arg(col);
}

}  // namespace

void frmUPFile::Fill_Grid_frmUPFile_UP(int file) {
  const int previousSortCol = grid(file).SortCol;
  grid(file).SortCol = kColID;
  grid(file).SortDir = kSortAscending;
  showHeaderLook(file, previousSortCol);
  showHeaderLook(file, kColID);
  Refresh_Grid_frmUPFile_UP(file);
}

void frmUPFile::Refresh_Grid_frmUPFile_UP(int file) {
  Hourglass busy;
  {
    RefreshGuard guard(refreshing_);
    const GridState before = grid(file);
    model(file).setRows(BuildGridRows(upFile(file), GridFilter(filterTexts(file)), model(file).selectors(),
                                      before.SortCol, before.SortDir, &model(file).sortKeys()));
    const int rows = shownRows(file);
    showCounts(file);
    pane(file).grid->fitToRows(rows);
    reselect(file, before);
    pane(file).grid->setVisible(rows > 0);
    pane(file).editUP->setVisible(rows > 0);  // no UP to show: no panel to open
    if (file == editFile_ && editPanelOpen()) editPanel_->setVisible(rows > 0);
  }
  readSelection(file);
  emit gridRefreshed(file);
}

void frmUPFile::ReapplySort(int file) {
  {
    RefreshGuard guard(refreshing_);
    std::vector<int> ids = model(file).rowIDs();
    model(file).sortKeys().sort(ids, upFile(file), grid(file).SortCol, grid(file).SortDir, model(file).selectors());
    model(file).setRows(std::move(ids));
    reselect(file, grid(file));
  }
  readSelection(file);
}

// Selects the active UP again after the rows were rebuilt. When it is no longer shown, the row it
// was on stays the active one, and it is highlighted: the transfers act on what the user sees
// selected, never on a row without a mark.
void frmUPFile::reselect(int file, const GridState& before) {
  const int rows = shownRows(file);
  if (SelectUPByID(file, before.SelID) >= 0 || rows == 0) return;
  const int row = std::clamp(before.SelRow, 0, rows - 1);
  selectRows(file, row, row);
}

int frmUPFile::SelectUPByID(int file, int id) {
  UPGridView& view = *pane(file).grid;
  const int row = id < 0 ? -1 : model(file).rowOfID(id);
  if (row < 0) {
    view.selectionModel()->clearSelection();
    return -1;
  }
  view.scrollToTopRow(row / kGridPageRows * kGridPageRows);
  selectRows(file, row, row);
  return row;
}

// Selects the block of rows from `anchorRow` to `activeRow`, columns 1..12, and makes
// `activeRow` the current one. The current column stays where the player put it (Enter acts on
// it), column 1 when there is none.
void frmUPFile::selectRows(int file, int anchorRow, int activeRow) {
  UPGridView& view = *pane(file).grid;
  const UPGridModel& rows = model(file);
  const int column = std::max(static_cast<int>(kColUserProgram), view.currentIndex().column());
  view.setCurrentIndex(rows.index(anchorRow, column));
  if (anchorRow != activeRow) {
    const QItemSelection block(rows.index(std::min(anchorRow, activeRow), kColUserProgram),
                               rows.index(std::max(anchorRow, activeRow), kGridColumnCount - 1));
    view.selectionModel()->setCurrentIndex(rows.index(activeRow, column), QItemSelectionModel::NoUpdate);
    view.selectionModel()->select(block, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  }
}

void frmUPFile::selectAllRows(int file) {
  const int rows = shownRows(file);
  if (rows == 0) return;
  selectRows(file, 0, rows - 1);
  readSelection(file);
}

void frmUPFile::readSelection(int file) {
  if (refreshing_ > 0) return;
  if (!pane(file).isHidden()) activeFile_ = file;  // a file under the edit panel is never the active one
  GridState& state = grid(file);
  UPGridView& view = *pane(file).grid;
  const int active = view.currentIndex().row();
  if (active >= 0 && !view.selectionModel()->isSelected(model(file).index(active, kColUserProgram))) {
    // A click on the ID column or a key that landed there moved the active row without a mark:
    // highlight it, so that every command acts on a row the user sees selected.
    selectRows(file, active, active);
    return;  // the selection change reads the selection again
  }
  int anchor = active;
  const QModelIndexList selectedRows = view.selectionModel()->selectedRows(kColUserProgram);
  if (!selectedRows.isEmpty()) {
    const auto [low, high] =
        std::minmax_element(selectedRows.begin(), selectedRows.end(),
                            [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    if (active >= low->row() && active <= high->row())
      anchor = active == low->row() ? high->row() : low->row();
  }
  ReadSelection(state, anchor, active, model(file).rowIDs());
  showToneNames(file);
  showTransferButtons();
  pane(file).selectedRows->setText(QString::number(state.SelCount));
  pane(file).selectedID->setText(state.SelID < 0 ? QStringLiteral("None") : QString::number(state.SelID));
  if (editPanelOpen() && file == editFile_) ReloadEditPanel();
}

void frmUPFile::showToneNames(int file) {
  UPFilePane& p = pane(file);
  const int id = grid(file).SelID;
  const bool shown = id >= 0 && id < upFile(file).count;
  for (std::size_t i = 0; i < p.toneBoxes.size(); ++i) {
    p.toneBoxes[i]->setText(
        shown ? AnsiQString(GetPartToneName(state_.names, upFile(file).up(id), UPFilePane::kToneBoxParts[i]))
              : QString());
    p.toneBoxes[i]->setCursorPosition(0);  // a long name shows its beginning
  }
  p.toneName->setText(shown ? AnsiQString(GetPartToneNameArr(state_.names, upFile(file).up(id),
                                                             model(file).selectors().ToneCycle))
                            : QString());
}

void frmUPFile::showTransferButtons() {
  const TransferButtons visible =
      VisibleTransferButtons({shownRows(0), shownRows(1)}, {grids_[0].SelCount, grids_[1].SelCount});
  for (int file = 0; file < 2; ++file) {
    const std::size_t f = static_cast<std::size_t>(file);
    pane(file).copy->setVisible(visible.copy[f]);
    pane(file).insert->setVisible(visible.insert[f]);
    pane(file).append->setVisible(visible.append[f]);
    pane(file).remove->setVisible(visible.remove[f]);
  }
}

void frmUPFile::showCounts(int file) {
  UPFilePane& p = pane(file);
  const int count = upFile(file).count;
  const int rows = shownRows(file);
  p.counter->showRows(rows, QStringLiteral("%1 of %2").arg(rows).arg(count));
  p.fileNameLabel->setToolTip(QString::number(count) +
                              (count >= 2 ? QStringLiteral(" UPs") : QStringLiteral(" UP")));
  const bool set = count == kSetUPCount;
  p.fileNameLabel->setText((set ? QStringLiteral("UPS File ") : QStringLiteral("Lib File ")) +
                           QString::number(file));
  QPalette colours = p.fileNameLabel->palette();
  colours.setColor(QPalette::WindowText, set ? QColor(0, 0, 192) : QColor(0, 0, 0));
  p.fileNameLabel->setPalette(colours);
}

void frmUPFile::showHeaderLook(int file, int col) {
  const ColumnSelectors& selectors = model(file).selectors();
  const HeaderMark mark = HeaderMarkOf(grid(file), col);
  const SortMark drawn = mark == HeaderMark::Ascending    ? SortMark::Ascending
                         : mark == HeaderMark::Descending ? SortMark::Descending
                                                          : SortMark::None;
  GridHeaderButton* header = pane(file).headers[col];
  header->setLook(HeaderPictureName(col, selectors, mark), ColumnCaption(col, selectors), drawn);
  header->setToolTip(HeaderToolTip(col, selectors));
}

void frmUPFile::sortByHeader(int file, int col) {
  const int previous = grid(file).SortCol;
  ClickSortHeader(grid(file), col);
  showHeaderLook(file, previous);
  showHeaderLook(file, col);
  {
    Hourglass busy;
    ReapplySort(file);
  }
  parkFocus();
}

void frmUPFile::alignByHeader(int file, int col) {
  model(file).setAlignment(col, NextAlignment(model(file).alignment(col)));
  parkFocus();
}

void frmUPFile::goHomeOrEnd(int file) {
  const int rows = shownRows(file);
  if (rows == 0) return;
  StepHomeEnd(*pane(file).homeEnd, rows, [this, file](int row) { pane(file).grid->scrollToTopRow(row); });
  parkFocus();
}

void frmUPFile::cycleColumnSelector(int file, ColumnSelector selector, int step) {
  ColumnSelectors selectors = model(file).selectors();
  switch (selector) {
    case ColumnSelector::Pad:
      selectors.PadCycle = CycleSelector(selectors.PadCycle, kPadCycleCount, step);
      break;
    case ColumnSelector::EFX:
      selectors.EFXCycle = CycleSelector(selectors.EFXCycle, kEFXCycleCount, step);
      break;
    case ColumnSelector::Tone:
      selectors.ToneCycle = CycleSelector(selectors.ToneCycle, kToneCycleCount, step);
      break;
  }
  model(file).setSelectors(selectors);
  for (int col : {static_cast<int>(kColPad), static_cast<int>(kColEFX)}) {
    showHeaderLook(file, col);
    pane(file).filters[col]->setRulesToolTip(FilterToolTip(col, selectors));
  }
  pane(file).toneLabel->setText(ToneLabelText(selectors.ToneCycle));
  Refresh_Grid_frmUPFile_UP(file);
}

}  // namespace tarnwick
