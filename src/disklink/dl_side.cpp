// SPDX-License-Identifier: GPL-3.0-or-later
#include "disklink/dl_side.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <algorithm>

#include "disklink/dl_grid_model.h"
#include "grid/filter_box.h"
#include "grid/grid_controls.h"
#include "grid/grid_header_button.h"
#include "grid/paged_grid_view.h"
#include "ui/form_helpers.h"
#include "ui/image_button.h"
#include "ui/twips.h"

namespace tarnwick {
namespace {

constexpr int kButtonSize = 32;
constexpr int kHeaderHeight = 22;

// Column widths follow the twips of the layout, widened where the screen font needs more.
int ColumnPixels(int col, const QFontMetrics& metrics) {
  const QString widest = col == 0 ? QStringLiteral("110") : col == 1 ? QStringLiteral("D88")
                                                                     : QStringLiteral("WWWWWWWW");
  constexpr int kCellMargins = 8;
  return std::max(TwipsToPixels(kDLColumnTwips[static_cast<std::size_t>(col)]),
                  metrics.horizontalAdvance(widest) + kCellMargins);
}

}  // namespace

DLSide::DLSide(int sideIndex, const QColor& background, QWidget* parent)
    : QFrame(parent), side(sideIndex) {
  setObjectName(indexed("fraDL"));
  setFrameShape(QFrame::StyledPanel);
  setAutoFillBackground(true);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, background);
  setPalette(colours);

  model = new DLGridModel(this);
  grid = new PagedGridView(indexed("Grid_frmDL_DL"), kDLPageRows, this);
  grid->setAccessibleName(QStringLiteral("File %1 Disk Links").arg(side));
  grid->setModel(model);
  for (int col = 0; col < 3; ++col) grid->setColumnWidth(col, ColumnPixels(col, grid->fontMetrics()));
  grid->fitToRows(0);
  QSizePolicy keep = grid->sizePolicy();
  keep.setRetainSizeWhenHidden(true);
  grid->setSizePolicy(keep);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->setSpacing(3);
  layout->addWidget(buildFileRow());
  layout->addWidget(buildReadOut());
  layout->addWidget(buildHeaderRow());
  layout->addWidget(buildFilterRow());
  layout->addWidget(grid);
  layout->addStretch(1);
}

QString DLSide::indexed(const char* name) const {
  return QStringLiteral("%1_%2").arg(QString::fromLatin1(name)).arg(side);
}

QWidget* DLSide::buildFileRow() {
  auto* host = new QWidget(this);
  auto* row = TightRow(host);
  fileNameLabel = new QLabel(host);
  fileNameLabel->setObjectName(indexed("lbl_UPS_FileName"));
  fileNameBox = ReadOnlyBox(indexed("txt_UPS_FileName"), {}, 160, host);
  row->addWidget(fileNameLabel);
  row->addWidget(fileNameBox);
  row->addStretch(1);
  return host;
}

QWidget* DLSide::buildReadOut() {
  auto* host = new QWidget(this);
  auto* row = TightRow(host, 4);
  counter = new RowCounter(indexed("lbl_Back_IDCnt"), indexed("lbl_IDCnt"), QSize(44, 20), host);
  auto* idCaption = new QLabel(QStringLiteral("Sel ID"), host);
  selectedID = ReadOnlyBox(indexed("txt_Sel_ID"), QStringLiteral("Active Selected ID"), 44, host);
  auto* rowsCaption = new QLabel(QStringLiteral("Sel Rows"), host);
  selectedRows = ReadOnlyBox(indexed("txt_Sel_Rows"), QStringLiteral("Number of Selected Rows"), 36, host);
  homeEnd =
      PictureButton(indexed("cmd_HomeEnd"), QStringLiteral("TO_END"), QStringLiteral("Go to End"), kButtonSize, host);
  homeEnd->setProperty("tag", QStringLiteral("TO_END"));
  const int other = 1 - side;
  copy = PictureButton(indexed("cmd_Grid_frmDL_DL_Copy"), QStringLiteral("COPY_%1_TO_%2").arg(side).arg(other),
                       QStringLiteral("Copy Selected DLs from File %1 to File %2 Selection").arg(side).arg(other),
                       kButtonSize, host);
  QSizePolicy keep = copy->sizePolicy();
  keep.setRetainSizeWhenHidden(true);
  copy->setSizePolicy(keep);
  copy->hide();
  for (QWidget* widget : {static_cast<QWidget*>(counter), static_cast<QWidget*>(idCaption),
                          static_cast<QWidget*>(selectedID), static_cast<QWidget*>(rowsCaption),
                          static_cast<QWidget*>(selectedRows), static_cast<QWidget*>(homeEnd),
                          static_cast<QWidget*>(copy)}) {
    row->addWidget(widget);
  }
  row->addStretch(1);
  return host;
}

QWidget* DLSide::buildHeaderRow() {
  static const char* const kTips[] = {"ID [L:Sort | R:Align]", "Disk Link [L:Sort | R:Align]",
                                      "Name [L:Sort | R:Align]"};
  auto* host = new QWidget(this);
  auto* row = TightRow(host, 0);
  row->addSpacing(grid->frameWidth());
  for (int col = 0; col < 3; ++col) {
    auto* header = new GridHeaderButton(QStringLiteral("cmd_DLHeader_%1").arg(100 * side + col), host);
    header->setToolTip(QString::fromLatin1(kTips[col]));
    header->setAccessibleName(header->toolTip());
    header->setFixedSize(grid->columnWidth(col), kHeaderHeight);
    headers[static_cast<std::size_t>(col)] = header;
    row->addWidget(header);
  }
  row->addStretch(1);
  return host;
}

QWidget* DLSide::buildFilterRow() {
  auto* host = new QWidget(this);
  auto* row = TightRow(host, 0);
  row->addSpacing(grid->frameWidth());
  clearFilter = PictureButton(indexed("cmd_ClearFilter"), QStringLiteral("CLEAR_FILTER"),
                              QStringLiteral("Clear Filter"), kButtonSize, host);
  clearFilter->setFixedSize(grid->columnWidth(0), kHeaderHeight);
  row->addWidget(clearFilter);
  static const char* const kTips[] = {"Disk Link [Filter]", "Name [Filter]"};
  for (int box = 0; box < 2; ++box) {
    auto* filter = new FilterBox(TextFilter(QStringLiteral("txt_DLFilter_%1").arg(100 * side + box + 1),
                                            QString::fromLatin1(kTips[box])),
                                 host);
    filter->setFixedWidth(grid->columnWidth(box + 1));
    filters[static_cast<std::size_t>(box)] = filter;
    row->addWidget(filter);
  }
  row->addStretch(1);
  return host;
}

}  // namespace tarnwick
