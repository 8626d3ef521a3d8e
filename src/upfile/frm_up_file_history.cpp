// SPDX-License-Identifier: GPL-3.0-or-later
// Undo and redo of each file's changes (Ctrl+Z, Ctrl+Shift+Z and Ctrl+Y, and the grids' context
// menu), and the set lists printed or exported from that menu.
#include <QDate>
#include <QFileInfo>
#include <QMenu>

#include "state/app_state.h"
#include "setlist/set_list_file.h"
#include "ui/undo_shortcuts.h"
#include "updata/ups_file.h"
#include "upfile/frm_up_file.h"
#include "upfile/set_list_output.h"
#include "upfile/up_file_pane.h"
#include "upfile/up_grid_model.h"
#include "upfile/up_grid_view.h"

namespace tarnwick {
namespace {

QString MenuText(const char* verb, const std::string& what) {
  return what.empty() ? QString::fromLatin1(verb) : QString::fromLatin1(verb) + u' ' + QString::fromStdString(what);
}

}  // namespace

void frmUPFile::connectHistory() {
  // Not while a filter box has the keyboard: there the keys belong to its typing.
  AddUndoShortcuts(
      this, [this] { if (state_.windowKeysEnabled) undoChange(activeFile_); },
      [this] { if (state_.windowKeysEnabled) redoChange(activeFile_); });
  for (int file = 0; file < 2; ++file) {
    UPGridView* view = pane(file).grid;
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(view, &QWidget::customContextMenuRequested, this, [this, file, view](const QPoint& pos) {
      showGridMenu(file, view->viewport()->mapToGlobal(pos));
    });
  }
}

bool frmUPFile::undoChange(int file) {
  if (!state_.history[static_cast<std::size_t>(file)].Undo(upFile(file))) return false;
  showFileChanged(file);
  return true;
}

bool frmUPFile::redoChange(int file) {
  if (!state_.history[static_cast<std::size_t>(file)].Redo(upFile(file))) return false;
  showFileChanged(file);
  return true;
}

std::unique_ptr<QMenu> frmUPFile::gridMenu(int file) {
  const FileHistory& history = state_.history[static_cast<std::size_t>(file)];
  auto menu = std::make_unique<QMenu>(this);
  menu->setObjectName(QStringLiteral("mnu_Grid_%1").arg(file));
  QAction* undo = menu->addAction(MenuText("Undo", history.UndoWhat()), this, [this, file] { undoChange(file); });
  undo->setEnabled(history.CanUndo());
  QAction* redo = menu->addAction(MenuText("Redo", history.RedoWhat()), this, [this, file] { redoChange(file); });
  redo->setEnabled(history.CanRedo());
  menu->addSeparator();
  menu->addAction(QStringLiteral("Print Set List…"), this, [this, file] { printSetList(file); });
  menu->addAction(QStringLiteral("Export Set List…"), this, [this, file] { exportSetList(file); });
  QAction* large = menu->addAction(QStringLiteral("Large Print"), this, [this](bool on) { largeSetList_ = on; });
  large->setCheckable(true);
  large->setChecked(largeSetList_);
  menu->addSeparator();
  QAction* toStage = menu->addAction(QStringLiteral("Add to Stage"), this, [this, file] {
    emit addToStageRequested(file, SelectedIDs(grid(file), model(file).rowIDs()));
  });
  toStage->setObjectName(QStringLiteral("mnu_AddToStage_%1").arg(file));
  return menu;
}

void frmUPFile::showGridMenu(int file, const QPoint& globalPos) {
  activeFile_ = file;
  gridMenu(file)->exec(globalPos);
}

SetList frmUPFile::setListOf(int file) const {
  const UPFile& slot = state_.up.files[static_cast<std::size_t>(file)];
  const QString path = QString::fromStdString(slot.path);
  const QString title = path.isEmpty() ? QStringLiteral("Unnamed New File") : QFileInfo(path).fileName();
  return {title.toStdString(), QDate::currentDate().toString(Qt::ISODate).toStdString(),
          MakeSetListEntries(slot, model(file).rowIDs())};
}

void frmUPFile::printSetList(int file) {
  PrintSetListPages(this, dialogs_, SetListPageTable(setListOf(file)), largeSetList_ ? PrintSize::Large : PrintSize::Normal);
}

void frmUPFile::exportSetList(int file) {
  const SetList list = setListOf(file);
  const PrintSize size = largeSetList_ ? PrintSize::Large : PrintSize::Normal;
  std::vector<std::string> openFiles;
  for (const UPFile& slot : state_.up.files) openFiles.push_back(slot.path);
  ExportSetListFile(dialogs_, QString::fromStdString(state_.up.files[static_cast<std::size_t>(file)].path),
                    {QStringLiteral("PDF (*.pdf)"), QStringLiteral("CSV (*.csv)"), QStringLiteral("HTML (*.html)")},
                    openFiles, [&](SetListFormat format, PaperKind paper) { return RenderSetList(list, format, paper, size); });
}

}  // namespace tarnwick
