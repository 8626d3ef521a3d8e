// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard in the UP file window. While a grid (or the window, or Dummy after a click) has the
// focus: Space selects the active UP on the instrument, F2 renames it, Enter does to the current
// cell what a double-click does (the tempo pop-up on the Tempo column), and the arrow and paging
// keys move the active grid. Ctrl+E opens or closes the edit panel. A focused button or box keeps
// its own keys, and no key ever acts on a grid hidden under the edit panel.
#include <QCoreApplication>
#include <QKeyEvent>
#include <QPushButton>

#include "grid/paged_grid_view.h"
#include "state/app_state.h"
#include "upfile/frm_up_file.h"
#include "upfile/up_file_pane.h"
#include "upfile/up_grid_model.h"
#include "upfile/up_grid_view.h"

namespace tarnwick {

bool frmUPFile::isGridKeyTarget(const QObject* watched) const {
  if (watched == this || watched == dummy_) return true;
  for (int file = 0; file < 2; ++file) {
    if (watched == pane(file).grid || watched == pane(file).grid->viewport()) return true;
  }
  return false;
}

UPGridView* frmUPFile::keyGrid() const {
  UPGridView* view = pane(activeFile_).grid;
  if (pane(activeFile_).isHidden() || view->isHidden() || shownRows(activeFile_) == 0) return nullptr;
  return view;
}

void frmUPFile::editActiveName() {
  const int row = model(activeFile_).rowOfID(grid(activeFile_).SelID);
  if (keyGrid() == nullptr || row < 0) return;
  const QModelIndex cell = model(activeFile_).index(row, kColName);
  keyGrid()->scrollTo(cell);
  onCellDoubleClicked(activeFile_, cell);
}

bool frmUPFile::handleWindowKey(QObject* watched, QKeyEvent* key) {
  const auto* widget = qobject_cast<const QWidget*>(watched);
  if (widget == nullptr || !isVisible() || !(widget == this || isAncestorOf(widget))) return false;
  if (!state_.windowKeysEnabled) return false;
  const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
  if (key->key() == Qt::Key_E && modifiers == Qt::ControlModifier) {
    toggleEditPanel(activeFile_);
    return true;
  }
  if (!isGridKeyTarget(watched)) return false;
  UPGridView* view = keyGrid();
  // The focus rests on Dummy after most clicks; the arrow and paging keys still move the grid.
  if (watched == dummy_ && IsRowStepKey(key->key())) {
    if (view != nullptr) QCoreApplication::sendEvent(view, key);
    return true;
  }
  if (modifiers != Qt::NoModifier) return false;
  switch (key->key()) {
    case Qt::Key_Space:
      if (view != nullptr && !key->isAutoRepeat()) sendUP(grid(activeFile_).SelID);
      return true;
    case Qt::Key_F2:
      editActiveName();
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (view != nullptr && view->currentIndex().isValid()) onCellDoubleClicked(activeFile_, view->currentIndex());
      return true;
    default:
      return false;
  }
}

}  // namespace tarnwick
