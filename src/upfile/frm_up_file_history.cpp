// SPDX-License-Identifier: GPL-3.0-or-later
// Undo and redo of each file's changes (Ctrl+Z, Ctrl+Shift+Z and Ctrl+Y, and the grids' context
// menu), and the set lists printed or exported from that menu.
#include <QDate>
#include <QFileInfo>
#include <QLocale>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>

#include "app/app_state.h"
#include "setlist/page_painter.h"
#include "setlist/set_list_file.h"
#include "ui/hourglass.h"
#include "ui/undo_shortcuts.h"
#include "updata/atomic_file.h"
#include "updata/ups_file.h"
#include "upfile/frm_up_file.h"
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
  QPrinter printer(QPrinter::HighResolution);
  QPrintDialog dialog(&printer, this);
  dialog.setWindowTitle(QStringLiteral("Print Set List"));
  if (dialog.exec() != QDialog::Accepted) return;
  Hourglass busy;
  if (!PaintPageTable(printer, SetListPageTable(setListOf(file)), largeSetList_ ? PrintSize::Large : PrintSize::Normal)) {
    dialogs_.showMessage(QStringLiteral("The set list could not be printed."));
  }
}

// A set list replaces no open UP file, and an existing file only once the user says so.
bool frmUPFile::exportTargetAllowed(const QString& path) {
  const std::string target = path.toStdString();
  for (const UPFile& slot : state_.up.files) {
    if (!slot.path.empty() && SameFile(slot.path, target)) {
      dialogs_.showMessage(QStringLiteral("Error Saving File: ") + path +
                           QStringLiteral("\r\n\r\nA set list cannot replace an open UP file."));
      return false;
    }
  }
  if (!PathTaken(target)) return true;
  return dialogs_.askYesNo(path + QStringLiteral("\r\n\r\nExist, Overwrite?"), QStringLiteral("Export Set List"),
                           UserDialogs::Icon::Question) == UserDialogs::Answer::Yes;
}

void frmUPFile::exportSetList(int file) {
  const QString source = QString::fromStdString(state_.up.files[static_cast<std::size_t>(file)].path);
  const QString start = source.isEmpty() ? QString() : QFileInfo(source).path() + u'/' + QFileInfo(source).completeBaseName() + ".pdf";
  const QString path = dialogs_.saveFileName(QStringLiteral("Export Set List"), start,
                                             {QStringLiteral("PDF (*.pdf)"), QStringLiteral("CSV (*.csv)"),
                                              QStringLiteral("HTML (*.html)")});
  if (path.isEmpty()) return;
  const SetListFormat format = SetListFormatOf(path.toStdString());
  if (format == SetListFormat::None) {
    dialogs_.showMessage(QStringLiteral("A set list is exported as a .pdf, .csv or .html file: ") + path);
    return;
  }
  if (!exportTargetAllowed(path)) return;
  Hourglass busy;
  const PaperKind paper = QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? PaperKind::Letter : PaperKind::A4;
  const std::string bytes = RenderSetList(setListOf(file), format, paper, largeSetList_ ? PrintSize::Large : PrintSize::Normal);
  const ByteChunk chunk{bytes.data(), bytes.size()};
  std::string error;
  if (bytes.empty() || !WriteFileAtomically(path.toStdString(), {&chunk, 1}, &error)) {
    dialogs_.showMessage(QStringLiteral("Error Saving File: ") + path);
  }
}

}  // namespace tarnwick
