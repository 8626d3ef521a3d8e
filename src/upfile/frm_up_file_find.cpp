// SPDX-License-Identifier: GPL-3.0-or-later
// The UP file window's side of the catalog: the "Find UPs" window opened for a pane, a result
// opened in that pane with its UP selected, and results dropped on a grid as a transfer.
#include <QDir>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>

#include "state/app_state.h"
#include "catalog/catalog_db.h"
#include "catalog/result_drag.h"
#include "findups/frm_find_ups.h"
#include "updata/atomic_file.h"
#include "upfile/frm_up_file.h"
#include "upfile/up_file_pane.h"
#include "upfile/up_grid_model.h"

namespace tarnwick {
namespace {

// A catalog's path names a pane's file when it is that file, also under another name (a link).
bool IsPaneFile(const QString& a, const QString& b) {
  return !a.isEmpty() && !b.isEmpty() && (a == b || SameFile(a.toStdString(), b.toStdString()));
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
    connect(find_, &FrmFindUPs::addToStageRequested, this, &frmUPFile::addCatalogHitsToStage);
  }
  find_->setWindowTitle(QStringLiteral("Find UPs - File %1").arg(file));
  find_->show();
  find_->raise();
  find_->activateWindow();
}

void frmUPFile::openCatalogHit(const QString& path, int id) {
  const int file = findOrigin_;
  const bool openHere = IsPaneFile(files_.path(file), path) && !state_.history[static_cast<std::size_t>(file)].Modified();
  if (!openHere) {
    runFileCommand(file, files_.OpenPath(file, path));
    if (!IsPaneFile(files_.path(file), path)) return;  // cancelled, or the file did not load (and said why)
  }
  touchGrid(file);
  if (model(file).rowOfID(id) < 0) clearFilter(file);  // the UP must be seen to be selected
  SelectUPByID(file, id);
  readSelection(file);
  window()->raise();
  window()->activateWindow();
  parkFocus();
}

// Found UPs join the Stage view's set list as UPs of the files open here, which the set list can
// play; a UP of a file not open is refused with a word, and nothing is added.
void frmUPFile::addCatalogHitsToStage(const std::vector<CatalogHit>& hits) {
  std::array<std::vector<int>, 2> ids;
  for (const CatalogHit& hit : hits) {
    const int file = IsPaneFile(files_.path(0), hit.path) ? 0 : IsPaneFile(files_.path(1), hit.path) ? 1 : -1;
    if (file < 0 || hit.id >= upFile(file).count) {
      dialogs_.showMessage(QStringLiteral("Add to Stage takes the UPs of the files open in File 0 or File 1: "
                                          "open %1 first.").arg(QDir::toNativeSeparators(hit.path)));
      return;
    }
    ids[static_cast<std::size_t>(file)].push_back(hit.id);
  }
  for (int file = 0; file < 2; ++file) {
    if (!ids[static_cast<std::size_t>(file)].empty()) emit addToStageRequested(file, ids[static_cast<std::size_t>(file)]);
  }
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
