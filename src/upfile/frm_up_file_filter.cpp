// SPDX-License-Identifier: GPL-3.0-or-later
// The filter boxes of the UP file window.
#include "state/app_state.h"
#include "ui/image_button.h"
#include "ui/mouse_wheel.h"
#include "grid/filter_box.h"
#include "upfile/filter_box_rules.h"
#include "upfile/frm_up_file.h"
#include "upfile/up_file_pane.h"

namespace tarnwick {

void frmUPFile::connectFilters(int file) {
  UPFilePane& p = pane(file);
  for (int box = kFirstFilterBox; box <= kLastFilterBox; ++box) {
    FilterBox* filter = p.filters[box];
    connect(filter, &FilterBox::refreshRequested, this, [this, file] { Refresh_Grid_frmUPFile_UP(file); });
    connect(filter, &FilterBox::helpRequested, this, [this] {
      showHelp_(QString::fromLatin1(kFilterHelpTitle), kFilterHelpSizeTwips, FilterHelpText());
    });
    connect(filter, &FilterBox::focusChanged, this,
            [this, file, box](bool hasFocus) { onFilterFocus(file, box, hasFocus); });
  }
  connect(p.clearFilter, &ImageButton::leftPressed, this, [this, file] { clearFilter(file); });
  if (file == 0) {
    connect(wheel_, &MWheel::WheelScroll, this, [this](int, int delta, float, float) {
      if (auto* box = qobject_cast<FilterBox*>(wheel_->capturedWidget())) box->wheelStep(delta);
    });
  }
}

// While a filter box has the focus, wheel turns over it step it and the window-wide keys are off.
void frmUPFile::onFilterFocus(int file, int box, bool hasFocus) {
  state_.windowKeysEnabled = !hasFocus;
  if (hasFocus) {
    wheel_->setHWndCapture(pane(file).filters[box]);
    wheel_->EnableWheel();
  } else {
    wheel_->DisableWheel();
  }
}

FilterTexts frmUPFile::filterTexts(int file) const {
  FilterTexts texts;
  for (int box = kFirstFilterBox; box <= kLastFilterBox; ++box) texts[box] = pane(file).filters[box]->text();
  return texts;
}

void frmUPFile::clearFilter(int file) {
  for (int box = kFirstFilterBox; box <= kLastFilterBox; ++box) pane(file).filters[box]->clearQuietly();
  Refresh_Grid_frmUPFile_UP(file);
  parkFocus();
}

}  // namespace tarnwick
