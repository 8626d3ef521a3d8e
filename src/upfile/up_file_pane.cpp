// SPDX-License-Identifier: GPL-3.0-or-later
#include "upfile/up_file_pane.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <algorithm>

#include "grid/filter_box.h"
#include "grid/grid_controls.h"
#include "grid/grid_header_button.h"
#include "ui/form_helpers.h"
#include "ui/image_button.h"
#include "ui/twips.h"
#include "upfile/filter_box_rules.h"
#include "upfile/up_grid_view.h"

namespace tarnwick {
namespace {

// The width of a column: its width in twips, widened where the screen's font would not fit the
// texts the column holds ("FDD", "250", an 8-letter name).
int ColumnPixels(int col, const QFontMetrics& metrics) {
  const QString widest = col == kColID                                            ? QStringLiteral("65535")
                         : col == kColName || col == kColStyle || col == kColSong ? QStringLiteral("Abcdefgh")
                                                                                  : QStringLiteral("FDD");
  constexpr int kCellMargins = 6;
  return std::max(TwipsToPixels(DefaultColumnLook(col).widthTwips),
                  metrics.horizontalAdvance(widest) + kCellMargins);
}

constexpr int kButtonSize = 32;
constexpr int kHeaderHeight = 22;
constexpr int kSelectorHeight = 14;

}  // namespace

UPFilePane::UPFilePane(int fileIndex, const QColor& background, QWidget* parent)
    : QFrame(parent), file(fileIndex) {
  setObjectName(indexed("fraUPFile"));
  setFrameShape(QFrame::StyledPanel);
  setAutoFillBackground(true);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, background);
  setPalette(colours);

  setAcceptDrops(true);
  grid = new UPGridView(file, this);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->setSpacing(3);
  layout->addWidget(buildFilePanel());
  layout->addWidget(buildTransferPanel());
  layout->addWidget(buildReadOut());
  layout->addWidget(buildToneRow());
  layout->addWidget(buildSelectorRow());
  layout->addWidget(buildHeaderRow());
  layout->addWidget(buildFilterRow());
  layout->addWidget(grid);
  layout->addStretch(1);
}

int UPFilePane::columnWidth(int col) const { return ColumnPixels(col, grid->fontMetrics()); }

void UPFilePane::applyColumnWidths() {
  for (int col = 0; col < kGridColumnCount; ++col) grid->setColumnWidth(col, columnWidth(col));
  grid->fitToRows(0);
}

QString UPFilePane::indexed(const char* name) const {
  return QStringLiteral("%1_%2").arg(QString::fromLatin1(name)).arg(file);
}

ImageButton* UPFilePane::pictureButton(const char* name, const QString& picture, QWidget* parent) const {
  auto* button = new ImageButton(picture, parent);
  button->setObjectName(indexed(name));
  button->setFixedSize(kButtonSize, kButtonSize);
  // A hidden button keeps its place, as on a fixed panel: its neighbours never slide over.
  QSizePolicy policy = button->sizePolicy();
  policy.setRetainSizeWhenHidden(true);
  button->setSizePolicy(policy);
  return button;
}

QWidget* UPFilePane::buildFilePanel() {
  auto* host = new QWidget(this);
  auto* row = TightRow(host);
  fileMenuControl = pictureButton("cmd_FileMenuControl", QStringLiteral("MENU_CONTROL_SHRINK"), host);
  fileMenuButtons = new QWidget(host);
  fileMenuButtons->setObjectName(indexed("fraFileMenuButtons"));
  auto* buttons = TightRow(fileMenuButtons);
  fileNew = pictureButton("cmd_FileNew", QStringLiteral("FILE_NEW"), fileMenuButtons);
  fileOpen = pictureButton("cmd_FileOpen", QStringLiteral("FILE_OPEN"), fileMenuButtons);
  openFileFrom = pictureButton("cmd_OpenFileFrom", QStringLiteral("FILE_FROM_%1").arg(file), fileMenuButtons);
  fileSave = pictureButton("cmd_FileSave", QStringLiteral("FILE_SAVE"), fileMenuButtons);
  fileSaveAs = pictureButton("cmd_FileSaveAs", QStringLiteral("FILE_SAVE_AS"), fileMenuButtons);
  fileNew->setToolTip(QStringLiteral("New"));
  fileOpen->setToolTip(QStringLiteral("Open"));
  fileSave->setToolTip(QStringLiteral("Save"));
  fileSaveAs->setToolTip(QStringLiteral("Save As"));
  for (ImageButton* button : {fileNew, fileOpen, openFileFrom, fileSave, fileSaveAs}) {
    button->setAccessibleName(button->toolTip());
    buttons->addWidget(button);
  }

  fileNameLabel = new QLabel(host);
  fileNameLabel->setObjectName(indexed("lbl_UPS_FileName"));
  fileNameBox = ReadOnlyBox(indexed("txt_UPS_FileName"), {}, 160, host);
  row->addWidget(fileMenuControl);
  row->addWidget(fileMenuButtons);
  row->addWidget(fileNameLabel);
  row->addWidget(fileNameBox);
  row->addStretch(1);
  return host;
}

QWidget* UPFilePane::buildTransferPanel() {
  auto* host = new QWidget(this);
  auto* row = TightRow(host);
  copyMenuControl = pictureButton("cmd_CopyMenuControl", QStringLiteral("MENU_CONTROL_SHRINK"), host);
  copyMenuButtons = new QWidget(host);
  copyMenuButtons->setObjectName(indexed("fraCopyMenuButtons"));
  auto* buttons = TightRow(copyMenuButtons);
  const int other = 1 - file;
  const QString direction = QStringLiteral("%1_TO_%2").arg(file).arg(other);
  copy = pictureButton("cmd_Grid_frmUPFile_UP_Copy", QStringLiteral("COPY_") + direction, copyMenuButtons);
  insert =
      pictureButton("cmd_Grid_frmUPFile_UP_Insert", QStringLiteral("INSERT_") + direction, copyMenuButtons);
  append =
      pictureButton("cmd_Grid_frmUPFile_UP_Append", QStringLiteral("APPEND_") + direction, copyMenuButtons);
  remove =
      pictureButton("cmd_Grid_frmUPFile_UP_Delete", QStringLiteral("DELETE_%1").arg(file), copyMenuButtons);
  copy->setToolTip(
      QStringLiteral("Copy Selected UPs from File %1 to File %2 Selection").arg(file).arg(other));
  insert->setToolTip(
      QStringLiteral("Insert Selected UPs from File %1 before selection in File %2").arg(file).arg(other));
  append->setToolTip(
      QStringLiteral("Append Selected UPs from File %1 to End of File %2").arg(file).arg(other));
  remove->setToolTip(file == 0 ? QStringLiteral("Delete selected UPs from File 0")
                               : QStringLiteral("Delete selected UP's from File 1"));
  for (ImageButton* button : {copy, insert, append, remove}) {
    button->setAccessibleName(button->toolTip());
    buttons->addWidget(button);
  }
  row->addWidget(copyMenuControl);
  row->addWidget(copyMenuButtons);
  row->addStretch(1);
  return host;
}

QWidget* UPFilePane::buildReadOut() {
  auto* host = new QWidget(this);
  auto* row = TightRow(host, 4);
  counter = new RowCounter(indexed("lbl_Back_IDCnt"), indexed("lbl_IDCnt"), QSize(64, 20), host);
  selectedID = ReadOnlyBox(indexed("txt_Sel_ID"), QStringLiteral("Active Selected ID"), 60, host);
  selectedRows = ReadOnlyBox(indexed("txt_Sel_Rows"), QStringLiteral("Number of Selected Rows"), 60, host);
  homeEnd = pictureButton("cmd_HomeEnd", QStringLiteral("TO_END"), host);
  editUP = pictureButton("cmd_ExpandShrink_EditUP", QStringLiteral("EDIT_UP_EXPAND"), host);
  editUP->setProperty("tag", QStringLiteral("0"));
  editUP->setToolTip(QStringLiteral("Expand UP for Editing"));
  editUP->setAccessibleName(editUP->toolTip());
  row->addWidget(counter);
  row->addWidget(selectedID);
  row->addWidget(selectedRows);
  row->addWidget(homeEnd);
  row->addWidget(editUP);
  row->addStretch(1);
  readOutRow = row;
  return host;
}

QWidget* UPFilePane::buildToneRow() {
  auto* host = new QWidget(this);
  auto* row = TightRow(host);
  const char* const names[] = {"txt_UP1", "txt_UP2", "txt_UP3", "txt_LW1", "txt_LW2", "txt_MI"};
  const char* const tips[] = {"Upper 1 Tone", "Upper 2 Tone", "Upper 3 Tone",
                              "Lower 1 Tone", "Lower 2 Tone", "Melody Intelligence Tone"};
  for (std::size_t i = 0; i < toneBoxes.size(); ++i) {
    toneBoxes[i] = ReadOnlyBox(indexed(names[i]), QString::fromLatin1(tips[i]), 66, host);
    toneBoxes[i]->setFont(grid->font());
    row->addWidget(toneBoxes[i]);
  }
  toneLabel = new QLabel(ToneLabelText(0), host);
  toneLabel->setObjectName(indexed("lbl_Tone"));
  toneName = new QLabel(host);
  toneName->setObjectName(indexed("lbl_ToneName"));
  toneName->setToolTip(QStringLiteral("Active selected ID: Tone name"));
  toneName->setMinimumWidth(60);
  toneName->setFont(grid->font());
  row->addWidget(toneLabel);
  row->addWidget(toneName);
  row->addStretch(1);
  return host;
}

// Pairs of arrows above the columns they choose for: Pad (8), EFX (9) and the tone columns (10..12).
QWidget* UPFilePane::buildSelectorRow() {
  auto* host = new QWidget(this);
  auto* row = TightRow(host, 0);
  int before = grid->frameWidth();
  for (int col = 0; col < kColPad; ++col) before += columnWidth(col);
  row->addSpacing(before);
  const auto pair = [this, host, row](std::array<ImageButton*, 2>& buttons, const char* name,
                                      const char* toolTip, int prevWidth, int gap, int nextWidth) {
    for (int i = 0; i < 2; ++i) {
      buttons[i] = new ImageButton(i == 0 ? QStringLiteral("LEFT_ARROW") : QStringLiteral("RIGHT_ARROW"), host);
      buttons[i]->setObjectName(QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(100 * file + i + 1));
      buttons[i]->setToolTip(QString::fromLatin1(toolTip));
      buttons[i]->setAccessibleName(buttons[i]->toolTip());
      buttons[i]->setFixedSize(i == 0 ? prevWidth : nextWidth, kSelectorHeight);
      row->addWidget(buttons[i]);
      if (i == 0 && gap > 0) row->addSpacing(gap);
    }
  };
  const int pad = columnWidth(kColPad);
  const int efx = columnWidth(kColEFX);
  pair(cyclePad, "cmd_Cycle_Pad", "Cycle: ( Pad1 | Pad2 | D-Beam )", pad / 2, 0, pad - pad / 2);
  pair(cycleEFX, "cmd_Cycle_EFX", "Cycle: ( EFX | REV | CHO | DLY )", efx / 2, 0, efx - efx / 2);
  pair(cycleTone, "cmd_Cycle_Tone",
       "Cycle: ( UP1 | UP2 | UP3 | LW1 | LW2 | MBS | MDR | MI | ADR | ABS | AC1...AC6 )",
       columnWidth(kColToneMSB), columnWidth(kColToneLSB), columnWidth(kColToneProgram));
  row->addStretch(1);
  return host;
}

QWidget* UPFilePane::buildHeaderRow() {
  auto* host = new QWidget(this);
  auto* row = TightRow(host, 0);
  row->addSpacing(grid->frameWidth());
  QFont small = font();
  small.setPointSizeF(small.pointSizeF() * 0.75);
  for (int col = 0; col < kGridColumnCount; ++col) {
    headers[col] = new GridHeaderButton(QStringLiteral("cmd_GridHeader_%1").arg(100 * file + col), host);
    headers[col]->setFixedSize(columnWidth(col), kHeaderHeight);
    headers[col]->setFont(small);
    row->addWidget(headers[col]);
  }
  row->addStretch(1);
  return host;
}

QWidget* UPFilePane::buildFilterRow() {
  auto* host = new QWidget(this);
  auto* row = TightRow(host, 0);
  row->addSpacing(grid->frameWidth());
  clearFilter = pictureButton("cmd_ClearFilter", QStringLiteral("CLEAR_FILTER"), host);
  clearFilter->setToolTip(QStringLiteral("Clear Filter"));
  clearFilter->setFixedSize(columnWidth(kColID), kHeaderHeight);
  row->addWidget(clearFilter);
  filters[0] = nullptr;
  for (int box = kFirstFilterBox; box <= kLastFilterBox; ++box) {
    filters[box] = new FilterBox(UPFilterRules(file, box), host);
    filters[box]->setFixedWidth(columnWidth(box));
    row->addWidget(filters[box]);
  }
  row->addStretch(1);
  return host;
}

}  // namespace tarnwick
