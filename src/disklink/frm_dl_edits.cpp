// SPDX-License-Identifier: GPL-3.0-or-later
// The Disk Link view's edits: rename in place, copy to the other side, and the file looks and
// count label that go with them.
#include <QCoreApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>

#include "state/app_state.h"
#include "disklink/disk_link_edits.h"
#include "disklink/dl_grid_model.h"
#include "disklink/dl_history.h"
#include "disklink/dl_side.h"
#include "disklink/frm_dl.h"
#include "grid/paged_grid_view.h"
#include "ui/image_button.h"
#include "updata/utf8_path.h"

namespace tarnwick {
namespace {

// A tooltip that ends in "*" while the file has unsaved changes, and never twice.
QString WithModifiedMark(QString toolTip, bool modified) {
  while (toolTip.endsWith(u'*')) toolTip.chop(1);
  toolTip = toolTip.trimmed();
  return modified ? toolTip + QStringLiteral(" *") : toolTip;
}

}  // namespace

void frmDL::rename(int s, const QModelIndex& index) {
  DLSide& p = side(s);
  if (p.model->rowCount() == 0 || !index.isValid() || index.column() != 2) return;
  activeSide_ = s;
  const int id = p.model->idAt(index.row());
  sel(s).selID = id;
  selectRows(s, index.row(), index.row());
  const QString stored = p.model->rows()[static_cast<std::size_t>(index.row())].name.trimmed();
  NameEditRequest request{ScreenPlaceOf(p.grid->viewport(), p.grid->visualRect(index)),
                          p.model->alignment(2), stored,
                          state_.fileColor[static_cast<std::size_t>(s)]};
  const std::optional<QString> edited = editName_(request);
  // An accepted text equal to the one shown changes nothing (not even the blanks around it).
  if (edited && *edited != stored && RenameDiskLink(changes_, s, id, *edited)) {
    Fill_Grid_frmDL_DL(s);
  }
  const int row = p.model->rowOfId(id);
  if (row >= 0) selectRows(s, row, row);
}

void frmDL::copyToOtherSide(int source) {
  const int target = 1 - source;
  const DLSelection& from = selection(source);
  const DLSelection& to = selection(target);
  if (from.count == 0 || from.count != to.count) return;
  // Rows are paired by their place in the two lists as shown, not by their IDs.
  std::vector<int> sourceIds;
  std::vector<int> targetIds;
  for (int k = 0; k < to.count; ++k) {
    sourceIds.push_back(side(source).model->idAt(from.first + k));
    targetIds.push_back(side(target).model->idAt(to.first + k));
  }
  if (CopyDiskLinkNames(changes_, source, sourceIds, targetIds)) Fill_Grid_frmDL_DL(target);
  parkFocus();
}

bool frmDL::undoChange(int s) {
  FileHistory& history = state_.history[static_cast<std::size_t>(s)];
  if (!IsDiskLinkStep(history.UndoStep()) || !history.Undo(state_.up.files[static_cast<std::size_t>(s)])) return false;
  Fill_Grid_frmDL_DL(s);
  emit fileModified(s);
  return true;
}

bool frmDL::redoChange(int s) {
  FileHistory& history = state_.history[static_cast<std::size_t>(s)];
  if (!IsDiskLinkStep(history.RedoStep()) || !history.Redo(state_.up.files[static_cast<std::size_t>(s)])) return false;
  Fill_Grid_frmDL_DL(s);
  emit fileModified(s);
  return true;
}

void frmDL::connectGridMenus() {
  for (int s = 0; s < 2; ++s) {
    PagedGridView* grid = side(s).grid;
    grid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(grid, &QWidget::customContextMenuRequested, this, [this, s, grid](const QPoint& pos) {
      activeSide_ = s;
      gridMenu(s)->exec(grid->viewport()->mapToGlobal(pos));
    });
  }
}

std::unique_ptr<QMenu> frmDL::gridMenu(int s) {
  const FileHistory& history = state_.history[static_cast<std::size_t>(s)];
  auto menu = std::make_unique<QMenu>(this);
  menu->setObjectName(QStringLiteral("mnu_DLGrid_%1").arg(s));
  const DLHistoryEntry undo = DLUndoEntry(history);
  menu->addAction(undo.text, this, [this, s] { undoChange(s); })->setEnabled(undo.enabled);
  const DLHistoryEntry redo = DLRedoEntry(history);
  menu->addAction(redo.text, this, [this, s] { redoChange(s); })->setEnabled(redo.enabled);
  return menu;
}

DLFileLook frmDL::defaultFileLook(int s) const {
  const UPFile& file = state_.up.files[static_cast<std::size_t>(s)];
  const bool set = file.count == 192;
  const QString path = QString::fromStdString(file.path);
  return DLFileLook{(set ? QStringLiteral("UPS File ") : QStringLiteral("Lib File ")) + QString::number(s),
                    set ? QColor(0, 0, 192) : QColor(0, 0, 0), QString::number(file.count),
                    QFileInfo(path).fileName(), path};
}

void frmDL::showFileLooks() {
  const bool same = SameFilePath(state_.up.files[0].path, state_.up.files[1].path);
  for (int s = 0; s < 2; ++s) {
    DLFileLook look = fileLook_ ? fileLook_(s) : defaultFileLook(s);
    const bool modified = state_.history[static_cast<std::size_t>(s)].Modified();
    look.labelToolTip = WithModifiedMark(look.labelToolTip, modified);
    look.fileNameToolTip = WithModifiedMark(look.fileNameToolTip, modified);
    DLSide& p = side(s);
    p.fileNameLabel->setText(look.labelText);
    p.fileNameLabel->setToolTip(look.labelToolTip);
    QPalette labelColours = p.fileNameLabel->palette();
    labelColours.setColor(QPalette::WindowText, look.labelColor);
    p.fileNameLabel->setPalette(labelColours);
    p.fileNameBox->setText(look.fileName);
    p.fileNameBox->setToolTip(look.fileNameToolTip);
    p.fileNameBox->setAccessibleName(look.labelText);
    QPalette boxColours = p.fileNameBox->palette();
    boxColours.setColor(QPalette::Text, same ? QColor(255, 0, 0) : QColor(0, 0, 0));
    p.fileNameBox->setPalette(boxColours);
  }
}

// The keyboard's way to the grids: the focus rests on Dummy after most clicks, yet the arrow and
// paging keys still move the active side's grid; F2 renames the current entry as a double-click
// on its name does.
bool frmDL::handleGridKeys(QObject* watched, QKeyEvent* event) {
  for (int s = 0; s < 2; ++s) {
    PagedGridView* grid = side(s).grid;
    if (watched == grid && event->key() == Qt::Key_F2 && grid->currentIndex().isValid()) {
      rename(s, grid->model()->index(grid->currentIndex().row(), 2));
      return true;
    }
  }
  if (watched != dummy_ || !(IsRowStepKey(event->key()) || event->key() == Qt::Key_F2)) return false;
  side(activeSide_).grid->setFocus(Qt::OtherFocusReason);
  QCoreApplication::sendEvent(side(activeSide_).grid, event);
  return true;
}

bool frmDL::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && handleGridKeys(watched, static_cast<QKeyEvent*>(event))) {
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace tarnwick
