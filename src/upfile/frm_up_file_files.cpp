// SPDX-License-Identifier: GPL-3.0-or-later
// The file commands of the UP file window and what the file panels show.
#include <QLineEdit>

#include "state/app_state.h"
#include "ui/image_button.h"
#include "upfile/file_rules.h"
#include "upfile/frm_up_file.h"
#include "upfile/up_file_pane.h"

namespace tarnwick {

void frmUPFile::runFileCommand(int file, FileCommands::Outcome outcome) {
  if (outcome == FileCommands::Outcome::Replaced) Fill_Grid_frmUPFile_UP(file);
  if (outcome == FileCommands::Outcome::Emptied) Refresh_Grid_frmUPFile_UP(file);
  // A save asked for on the way may have renamed the other file too.
  showFilePanels();
  parkFocus();
}

bool frmUPFile::openFileAt(int file, const QString& path) {
  const FileCommands::Outcome outcome = files_.OpenPath(file, path);
  runFileCommand(file, outcome);
  return outcome == FileCommands::Outcome::Replaced;
}

void frmUPFile::onNew(int file) { runFileCommand(file, files_.New(file)); }

void frmUPFile::onOpen(int file) { runFileCommand(file, files_.Open(file)); }

void frmUPFile::onSave(int file) {
  files_.Save(file);
  showFilePanels();
  parkFocus();
}

void frmUPFile::onSaveAs(int file) { runFileCommand(file, files_.SaveAs(file)); }

void frmUPFile::onOpenFrom(int source) { runFileCommand(1 - source, files_.OpenFrom(source)); }

bool frmUPFile::confirmCloseAll() {
  const bool confirmed = files_.ConfirmCloseAll();
  showFilePanels();
  return confirmed;
}

void frmUPFile::showFileChanged(int file) {
  Refresh_Grid_frmUPFile_UP(file);
  showModifiedMarks();
}

void frmUPFile::showFilePanels() {
  for (int file = 0; file < 2; ++file) {
    const FileSlotButtons& buttons = files_.buttons(file);
    UPFilePane& p = pane(file);
    p.fileSave->setVisible(buttons.save);
    p.fileSaveAs->setVisible(buttons.saveAs);
    p.openFileFrom->setVisible(buttons.openFrom);
    p.fileNameBox->setText(FileNamePart(files_.path(file)));
  }
  RefreshOpenFromButtons();
  showModifiedMarks();
}

void frmUPFile::RefreshOpenFromButtons() {
  const bool same = files_.sameFileInBoth();
  for (int file = 0; file < 2; ++file) {
    const OpenFromLook look = OpenFromButtonLook(file, same);
    UPFilePane& p = pane(file);
    p.openFileFrom->setPictureName(look.picture);
    p.openFileFrom->setToolTip(look.toolTip);
    QPalette colours = p.fileNameBox->palette();
    colours.setColor(QPalette::Text, look.sameFile ? QColor(255, 0, 0) : QColor(0, 0, 0));
    p.fileNameBox->setPalette(colours);
  }
}

// The file name boxes and the caption carry a "*" while a file has unsaved changes.
void frmUPFile::showModifiedMarks() {
  QStringList names;
  for (int file = 0; file < 2; ++file) {
    const QString path = files_.path(file);
    const QString mark = state_.history[static_cast<std::size_t>(file)].Modified() ? QStringLiteral("*") : QString();
    pane(file).fileNameBox->setToolTip((path.isEmpty() ? QString::fromLatin1(kUnnamedFileToolTip) : path) +
                                       (mark.isEmpty() ? QString() : QStringLiteral(" *")));
    names << (path.isEmpty() ? QString::fromLatin1(kUnnamedFileToolTip) : FileNamePart(path)) + mark;
  }
  const QString caption = names.join(QStringLiteral(" | "));
  if (caption == caption_) return;
  caption_ = caption;
  setWindowTitle(caption_);
  emit captionChanged(caption_);
}

}  // namespace tarnwick
