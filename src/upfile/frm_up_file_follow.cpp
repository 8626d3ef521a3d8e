// SPDX-License-Identifier: GPL-3.0-or-later
// Following the instrument: the UP the player selects on the keyboard becomes the active row of
// the grid last worked in, so that the window always shows what is playing. Until the player has
// touched a grid, that is File 0 when it is a set, else File 1 (the refreshes at start-up touch
// both grids, the player none). While a mouse button is held on a grid, Follow waits: a press may
// be the start of a drag, which carries the rows that were selected when it began.
#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>

#include "state/app_state.h"
#include "upfile/frm_up_file.h"
#include "upfile/up_file_pane.h"
#include "updata/up_record.h"
#include "upfile/up_grid_model.h"
#include "upfile/up_grid_view.h"

namespace tarnwick {

// Beside File 0's selection read-out, after the design's controls, so that none of them moves.
void frmUPFile::buildFollowBox() {
  UPFilePane& first = pane(0);
  followBox_ = new QCheckBox(QStringLiteral("Follow Instrument"), &first);
  followBox_->setObjectName(QStringLiteral("chk_FollowInstrument"));
  followBox_->setAccessibleName(followBox_->text());
  followBox_->setToolTip(QStringLiteral("Select the UP chosen on the instrument (MIDI In)"));
  followBox_->setFocusPolicy(Qt::TabFocus);  // a click leaves the keys with the grid
  first.readOutRow->insertWidget(first.readOutRow->count() - 1, followBox_);
}

void frmUPFile::setFollowInstrument(bool follow) { followBox_->setChecked(follow); }

bool frmUPFile::followInstrument() const { return followBox_->isChecked(); }

void frmUPFile::touchGrid(int file) {
  activeFile_ = file;
  gridTouched_ = true;
}

int frmUPFile::followTarget() const {
  if (gridTouched_) return activeFile_;
  return state_.up.files[0].count == kSetUPCount ? 0 : 1;
}

void frmUPFile::gridButtonPressed(int file) {
  buttonHeld_ = true;
  pressedIDs_[static_cast<std::size_t>(file)] = SelectedIDs(grid(file), model(file).rowIDs());
}

void frmUPFile::gridButtonReleased() {
  buttonHeld_ = false;
  if (!waitingFollow_) return;
  const int id = *waitingFollow_;
  waitingFollow_.reset();
  UPSelectReceived(id);
}

void frmUPFile::UPSelectReceived(int upId) {
  if (!followBox_->isChecked()) return;
  // A pop-up or question on screen keeps the row it was opened for.
  if (QApplication::activeModalWidget() != nullptr || QApplication::activePopupWidget() != nullptr) return;
  if (buttonHeld_) {
    waitingFollow_ = upId;  // the latest select counts once the button is up
    return;
  }
  const int file = followTarget();
  // A library's IDs are no UPs on the instrument: only a full set follows.
  if (upFile(file).count != kSetUPCount || model(file).rowOfID(upId) < 0) return;
  SelectUPByID(file, upId);
}

}  // namespace tarnwick
