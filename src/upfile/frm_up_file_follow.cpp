// SPDX-License-Identifier: GPL-3.0-or-later
// Following the instrument: the UP the player selects on the keyboard becomes the active row of
// the grid last worked in, so that the window always shows what is playing.
#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>

#include "app/app_state.h"
#include "upfile/frm_up_file.h"
#include "upfile/up_file_pane.h"
#include "updata/up_record.h"
#include "upfile/up_grid_model.h"

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

void frmUPFile::UPSelectReceived(int upId) {
  if (!followBox_->isChecked()) return;
  // A pop-up or question on screen keeps the row it was opened for.
  if (QApplication::activeModalWidget() != nullptr || QApplication::activePopupWidget() != nullptr) return;
  const int file = activeFile_;
  // A library's IDs are no UPs on the instrument: only a full set follows.
  if (upFile(file).count != kSetUPCount || model(file).rowOfID(upId) < 0) return;
  SelectUPByID(file, upId);
}

}  // namespace tarnwick
