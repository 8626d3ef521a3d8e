// SPDX-License-Identifier: GPL-3.0-or-later
// The controls of a browser around its grid: filter boxes, Clear Filter, Home/End, the count
// label, the options and the header buttons.
#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMouseEvent>

#include "grid/filter_box.h"
#include "grid/fitted_help.h"
#include "grid/grid_header_button.h"
#include "grid/paged_grid_view.h"
#include "tone/frm_tone_browser.h"
#include "ui/image_button.h"
#include "ui/mouse_wheel.h"

namespace tarnwick {

void frmToneBrowser::connectControls() {
  for (int col = 0; col < kBrowserColumnCount; ++col) {
    GridHeaderButton* header = headers_[static_cast<std::size_t>(col)];
    connect(header, &ImageButton::leftPressed, this, [this, col] {
      SortGridByHeader(col);
      grid_->setFocus();
    });
    connect(header, &GridHeaderButton::rightPressed, this, [this, col] {
      model_->setAlignment(col, NextAlignment(model_->alignment(col)));
      grid_->setFocus();
    });
  }
  connect(grid_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this] { onSelectionChanged(); });
  connect(grid_, &PagedGridView::mousePressStarted, this, [this] { runsAtPress_ = handlerRuns_; });
  connect(grid_, &PagedGridView::mousePressedOnRow, this, [this](int, Qt::MouseButton button) {
    if (button == Qt::LeftButton && runsAtPress_ == handlerRuns_) onSelectionChanged();
  });
  connect(homeEnd_, &ImageButton::leftPressed, this, [this] { goHomeOrEnd(); });
  connect(clearFilter_, &ImageButton::leftPressed, this, [this] { clearFilters(); });
  connect(showPlus_, &QCheckBox::clicked, this, [this] {
    Fill();
    grid_->setFocus();
  });
  connect(gridToMidiOut_, &QCheckBox::clicked, this, [this](bool checked) {
    settings_.gridToMidiOut = checked;
    grid_->setFocus();
  });
}

void frmToneBrowser::connectFilters() {
  for (int box = 1; box <= kBrowserFilterCount; ++box) {
    FilterBox* filter = filters_[static_cast<std::size_t>(box)];
    connect(filter, &FilterBox::refreshRequested, this, [this] { Fill(); });
    connect(filter, &FilterBox::helpRequested, this, [this] {
      ShowFittedHelp(this, QString::fromLatin1(kFilterHelpTitle), kFilterHelpSizeTwips, FilterHelpText());
    });
    connect(filter, &FilterBox::focusChanged, this,
            [this, filter, box](bool hasFocus) {
              focusedFilter_ = hasFocus ? box : 0;
              onFilterFocus(filter, hasFocus);
            });
  }
  connect(wheel_, &MWheel::WheelScroll, this, [this](int, int delta, float, float) {
    auto* box = qobject_cast<FilterBox*>(wheel_->capturedWidget());
    if (box != nullptr && box->rules().isNumber()) box->wheelStep(delta);
  });
}

void frmToneBrowser::onFilterFocus(FilterBox* box, bool hasFocus) {
  if (hasFocus) {
    wheel_->setHWndCapture(box);
    wheel_->EnableWheel();
  } else {
    wheel_->DisableWheel();
  }
}

void frmToneBrowser::FilterStep(int box, bool up, bool ctrl) {
  if (box < 1 || box > kBrowserFilterCount) return;
  filters_[static_cast<std::size_t>(box)]->step(up, ctrl);
}

void frmToneBrowser::clearFilters() {
  ClearFilterBoxes(filters_);
  Fill();
}

void frmToneBrowser::activate() {
  gridToMidiOut_->setEnabled(midi_.outOpen && midi_.outOpen());
}

}  // namespace tarnwick
