// SPDX-License-Identifier: GPL-3.0-or-later
// The UP file window's side of the catalog: the "Find UPs" window opened for a pane, a result
// opened in that pane with its UP selected, and results dropped on a grid as a transfer.
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>

#include "app/app_state.h"
#include "catalog/catalog_db.h"
#include "catalog/result_drag.h"
#include "findups/frm_find_ups.h"
#include "upfile/frm_up_file.h"
#include "upfile/up_file_pane.h"
#include "upfile/up_grid_model.h"

namespace tarnwick {
namespace {

bool SameFile(const QString& a, const QString& b) {
  if (a.isEmpty() || b.isEmpty()) return false;
  const QString realA = QFileInfo(a).canonicalFilePath();
  return a == b || (!realA.isEmpty() && realA == QFileInfo(b).canonicalFilePath());
}

}  // namespace

// A "Find UPs" button after each pane's file buttons, and Ctrl+F for the active pane.
void frmUPFile::buildFindControls() {
  catalogPath_ = CatalogDb::DefaultPath();
  for (int file = 0; file < 2; ++file) {
    UPFilePane& p = pane(file);
    auto* button = new QPushButton(QStringLiteral("Find UPs"), &p);
    button->setObjectName(QStringLiteral("cmd_FindUPs_%1").arg(file));
    button->setAccessibleName(QStringLiteral("Find UPs"));
    button->setToolTip(QStringLiteral("Find UPs in all your files (Ctrl+F)"));
    button->setFocusPolicy(Qt::TabFocus);
    auto* row = qobject_cast<QHBoxLayout*>(p.fileMenuButtons->parentWidget()->layout());
    row->insertWidget(row->indexOf(p.fileMenuButtons) + 1, button);
    connect(button, &QPushButton::clicked, this, [this, file] { openFindUPs(file); });
  }
  auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F), this);
  shortcut->setContext(Qt::WidgetWithChildrenShortcut);
  connect(shortcut, &QShortcut::activated, this, [this] { openFindUPs(activeFile_); });
}

void frmUPFile::openFindUPs(int file) {
  findOrigin_ = file;
  if (find_ == nullptr) {
    find_ = new FrmFindUPs(catalogPath_, this);
    connect(find_, &FrmFindUPs::openRequested, this, &frmUPFile::openCatalogHit);
  }
  find_->setWindowTitle(QStringLiteral("Find UPs - File %1").arg(file));
  find_->show();
  find_->raise();
  find_->activateWindow();
}

void frmUPFile::openCatalogHit(const QString& path, int id) {
  const int file = findOrigin_;
  const bool openHere = SameFile(files_.path(file), path) && !state_.history[static_cast<std::size_t>(file)].Modified();
  if (!openHere) {
    runFileCommand(file, files_.OpenPath(file, path));
    if (!SameFile(files_.path(file), path)) return;  // cancelled, or the file did not load (and said why)
  }
  activeFile_ = file;
  if (model(file).rowOfID(id) < 0) clearFilter(file);  // the UP must be seen to be selected
  SelectUPByID(file, id);
  readSelection(file);
  window()->raise();
  window()->activateWindow();
  parkFocus();
}

void frmUPFile::dropCatalogUPs(int target, const QByteArray& payload, int row, bool copy) {
  const auto ups = DecodeCatalogDrag(payload);
  if (!ups) return;
  UPFile records;
  const QString problem = ReadCatalogUPs(*ups, records);
  if (!problem.isEmpty()) {
    dialogs_.showMessage(problem);
    return;
  }
  std::vector<int> ids(ups->size());
  for (std::size_t k = 0; k < ids.size(); ++k) ids[k] = static_cast<int>(k);
  applyDrop(target, records, ids, row, copy);
}

}  // namespace tarnwick
