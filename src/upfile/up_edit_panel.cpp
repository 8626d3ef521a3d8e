// SPDX-License-Identifier: GPL-3.0-or-later
#include "upfile/up_edit_panel.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "upfile/grid_cells.h"
#include "upfile/record_edit.h"
#include "upfile/up_edit_tables.h"

namespace tarnwick {
namespace {

// A read-only table whose cells are all shown at once: fixed widths, no scrolling, no selection.
void ShapeTable(QTableView* table, int rows, const QFont& font) {
  table->setFont(font);
  table->horizontalHeader()->setFont(font);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionMode(QAbstractItemView::NoSelection);
  table->setFocusPolicy(Qt::NoFocus);
  table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  table->verticalHeader()->hide();
  table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  table->verticalHeader()->setMinimumSectionSize(1);
  table->verticalHeader()->setDefaultSectionSize(QFontMetrics(font).height() + 4);
  table->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  table->horizontalHeader()->setMinimumSectionSize(1);
  table->horizontalHeader()->setHighlightSections(false);
  table->setCornerButtonEnabled(false);
  table->setWordWrap(false);
  table->setTextElideMode(Qt::ElideNone);
  const int height = table->horizontalHeader()->sizeHint().height() +
                     rows * table->verticalHeader()->defaultSectionSize() + 2 * table->frameWidth();
  table->setFixedHeight(height);
}

void FitWidth(QTableView* table) {
  int width = 2 * table->frameWidth();
  for (int col = 0; col < table->model()->columnCount(); ++col) width += table->columnWidth(col);
  table->setFixedWidth(width);
}

// The panel takes the place of the other file's half, so its columns and boxes are as wide as
// their texts in the screen's font (the instrument's twips widths would not leave that half).
constexpr int kCellMargins = 4;

int ColumnPixels(const QFont& font, const QStringList& texts) {
  const QFontMetrics metrics(font);
  int widest = 0;
  for (const QString& text : texts) widest = std::max(widest, metrics.horizontalAdvance(text));
  return widest + kCellMargins;
}

// Tone names of the lists that are among the widest.
const QStringList kLongToneNames = {QStringLiteral("Pan Sequence"), QStringLiteral("Soprano Exp."),
                                    QStringLiteral("STANDARD 1"), QStringLiteral("Harpsichord")};

const QStringList kShortCells = {QStringLiteral("128"), QStringLiteral("OFF"), QStringLiteral("Mut"),
                                 QStringLiteral("800"), QStringLiteral("MDR"), QStringLiteral("Chn")};

}  // namespace

UPEditPanel::UPEditPanel(const NameTables& names, QWidget* parent) : QFrame(parent) {
  setObjectName(QStringLiteral("fraUPEdit"));
  setFrameShape(QFrame::StyledPanel);
  setAutoFillBackground(true);
  partModel_ = new PartTableModel(names, this);
  toneModel_ = new ToneTableModel(this);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(3, 4, 2, 4);
  layout->setSpacing(6);
  layout->addWidget(buildFieldRows());
  layout->addWidget(buildPartTable());
  layout->addWidget(buildToneTable());
  layout->addStretch(1);
}

QLineEdit* UPEditPanel::addBox(QWidget* host, const char* name, const char* toolTip, const char* labelName,
                               const QString& caption, const QString& widest) {
  auto* box = new QLineEdit(host);
  box->setObjectName(QString::fromLatin1(name));
  box->setToolTip(QString::fromLatin1(toolTip));
  box->setAccessibleName(QString::fromLatin1(toolTip));
  box->setReadOnly(true);
  box->setFocusPolicy(Qt::TabFocus);  // reached with Tab; a click leaves the keys with the grid
  constexpr int kBoxMargins = 12;
  box->setFixedWidth(box->fontMetrics().horizontalAdvance(widest) + kBoxMargins);
  box->installEventFilter(this);
  auto* label = new QLabel(caption, host);
  label->setObjectName(QString::fromLatin1(labelName));
  label->setBuddy(box);
  label->installEventFilter(this);
  auto* row = static_cast<QHBoxLayout*>(host->layout());
  row->addWidget(label);
  row->addWidget(box);
  row->addSpacing(4);
  return box;
}

QWidget* UPEditPanel::buildFieldRows() {
  const QString kNameSample = QStringLiteral("WWWWWWWW");  // any 8-letter name shows whole
  auto* host = new QWidget(this);
  auto* rows = new QVBoxLayout(host);
  rows->setContentsMargins(0, 0, 0, 0);
  auto* first = new QWidget(host);
  auto* second = new QWidget(host);
  for (QWidget* row : {first, second}) {
    auto* line = new QHBoxLayout(row);
    line->setContentsMargins(0, 0, 0, 0);
    line->setSpacing(3);
    rows->addWidget(row);
  }
  id_ = addBox(first, "txt_fraUPEdit_ID", "Selected ID", "lbl_fraUPEdit_ID", QStringLiteral("ID"), QStringLiteral("65535"));
  bank_ = addBox(first, "txt_fraUPEdit_UP", "UP Bank", "lbl_fraUPEdit_UP", QStringLiteral("UP"), QStringLiteral("C88"));
  fieldBoxes_[0] = addBox(first, "txt_fraUPEdit_Name", "UP Name", "lbl_fraUPEdit_Name", QStringLiteral("Name"), kNameSample);
  fieldBoxes_[3] =
      addBox(first, "txt_fraUPEdit_Tempo", "Tempo", "lbl_fraUPEdit_Tempo", QStringLiteral("Tempo"), QStringLiteral("250"));
  close_ = new QPushButton(QStringLiteral("Close"), first);
  close_->setObjectName(QStringLiteral("cmd_fraUPEditClose"));
  close_->setToolTip(QStringLiteral("Close"));
  close_->setFocusPolicy(Qt::TabFocus);
  static_cast<QHBoxLayout*>(first->layout())->addStretch(1);
  first->layout()->addWidget(close_);
  styleSource_ = addBox(second, "txt_fraUPEdit_StlSrc", "Style Source", "lbl_fraUPEdit_StlSrc",
                        QStringLiteral("StlSrc"), QStringLiteral("D88"));
  fieldBoxes_[1] =
      addBox(second, "txt_fraUPEdit_Style", "UP Style", "lbl_fraUPEdit_Style", QStringLiteral("Style"), kNameSample);
  songSource_ = addBox(second, "txt_fraUPEdit_SngSrc", "Song Source", "lbl_fraUPEdit_SngSrc",
                       QStringLiteral("SngSrc"), QStringLiteral("FDD"));
  fieldBoxes_[2] =
      addBox(second, "txt_fraUPEdit_Song", "UP Song", "lbl_fraUPEdit_Song", QStringLiteral("Song"), kNameSample);
  static_cast<QHBoxLayout*>(second->layout())->addStretch(1);
  return host;
}

QTableView* UPEditPanel::buildPartTable() {
  partTable_ = new QTableView(this);
  partTable_->setObjectName(QStringLiteral("Grid_fraUPEdit_PartTone"));
  partTable_->setAccessibleName(QStringLiteral("Part table"));
  partTable_->setModel(partModel_);
  QFont compact = font();
  compact.setPointSizeF(compact.pointSizeF() * 0.85);
  ShapeTable(partTable_, kPartCount, compact);
  for (int col = 0; col < kPartTableColumns; ++col) {
    partTable_->setColumnWidth(col, col == 2 ? ColumnPixels(compact, kLongToneNames)
                                             : ColumnPixels(compact, kShortCells));
  }
  FitWidth(partTable_);
  return partTable_;
}

QTableView* UPEditPanel::buildToneTable() {
  toneTable_ = new QTableView(this);
  toneTable_->setObjectName(QStringLiteral("Grid_fraUPEdit_Tone16"));
  toneTable_->setAccessibleName(QStringLiteral("Tone table"));
  toneTable_->setModel(toneModel_);
  QFont compact = font();
  compact.setPointSizeF(compact.pointSizeF() * 0.85);
  ShapeTable(toneTable_, kToneTableRows, compact);
  for (int col = 0; col < kToneTableColumns; ++col) {
    toneTable_->setColumnWidth(col, col == 0 ? ColumnPixels(compact, {QStringLiteral("Parameter"),
                                                                      QStringLiteral("Sg T.Chng"),
                                                                      QStringLiteral("Song LINK")})
                                             : ColumnPixels(compact, kShortCells));
  }
  FitWidth(toneTable_);
  return toneTable_;
}

void UPEditPanel::showUP(int id, const UPRecord* up) {
  const auto set = [](QLineEdit* box, const QString& text) {
    box->setText(text);
    box->setCursorPosition(0);
  };
  set(id_, up != nullptr ? QString::number(id) : QString());
  set(bank_, up != nullptr ? QString::fromStdString(NumToUPBnk(id)) : QString());
  set(box(PanelField::Name), up != nullptr ? ShownText8(GetUPText8(*up, kUPNameOffset)) : QString());
  set(styleSource_, up != nullptr ? QString::fromStdString(GetUPStyleNumberText(*up)) : QString());
  set(box(PanelField::Style), up != nullptr ? ShownText8(GetUPText8(*up, kStyleNameOffset)) : QString());
  set(songSource_, up != nullptr ? QString::fromStdString(GetUPSongSourceShort(*up)) : QString());
  set(box(PanelField::Song), up != nullptr ? ShownText8(GetUPSongName(*up)) : QString());
  set(box(PanelField::Tempo), up != nullptr ? QString::number(GetUPTempo(*up)) : QString());
  partModel_->showUP(up);
  toneModel_->showUP(up);
}

void UPEditPanel::mouseDoubleClickEvent(QMouseEvent* event) {
  QFrame::mouseDoubleClickEvent(event);
  if (event->button() == Qt::LeftButton) emit closeRequested();
}

// A double-click on an editable box or on its label asks for the field's pop-up, and so do Enter
// and F2 on a box that has the focus.
bool UPEditPanel::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool editKey = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_F2;
    for (std::size_t i = 0; i < fieldBoxes_.size(); ++i) {
      if (watched != fieldBoxes_[i] || !editKey) continue;
      emit fieldDoubleClicked(static_cast<PanelField>(i));
      return true;
    }
    return QFrame::eventFilter(watched, event);
  }
  if (event->type() != QEvent::MouseButtonDblClick) return QFrame::eventFilter(watched, event);
  for (std::size_t i = 0; i < fieldBoxes_.size(); ++i) {
    auto* label = qobject_cast<QLabel*>(watched);
    if (watched == fieldBoxes_[i] || (label != nullptr && label->buddy() == fieldBoxes_[i])) {
      emit fieldDoubleClicked(static_cast<PanelField>(i));
      return true;
    }
  }
  return true;  // the read-only boxes select nothing on a double-click
}

}  // namespace tarnwick
