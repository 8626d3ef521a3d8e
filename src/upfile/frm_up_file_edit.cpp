// SPDX-License-Identifier: GPL-3.0-or-later
// Editing in the UP file window: the edit panel, double-clicks on grid cells and the column
// selectors.
#include <QApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

#include "state/app_state.h"
#include "popups/value_popup.h"
#include "ui/image_button.h"
#include "ui/twips.h"
#include "upfile/frm_up_file.h"
#include "upfile/grid_cells.h"
#include "upfile/up_file_pane.h"
#include "upfile/up_grid_model.h"
#include "upfile/up_grid_view.h"

namespace tarnwick {
namespace {

constexpr int kSelectableUPs = 192;

// The pop-ups take the alignment as left (0), right (1) or centre (2).
std::int16_t AlignmentCode(Qt::Alignment alignment) {
  if (alignment & Qt::AlignRight) return 1;
  if (alignment & Qt::AlignHCenter) return 2;
  return 0;
}

// Shows an 8-character pop-up; the accepted text, or nothing when it was cancelled.
std::optional<QString> AskText(FrmText8Popup& popup, const PopupPlace& place, Qt::Alignment alignment,
                               const QString& start, const QColor& fill, const QString& fieldName) {
  popup.setUp(place, alignment, start, fill, fieldName);
  popup.exec();
  if (!popup.TextEditAccepted()) return std::nullopt;
  return popup.text();
}

// Shows the tempo pop-up in the face of the cell or box it lies over; the accepted tempo, or
// nothing when it was cancelled.
std::optional<int> AskTempo(QWidget* parent, NumEditParams params, const QColor& fill, const QFont& face) {
  params.minimum = kTempoMin;
  params.maximum = kTempoMax;
  FrmEditorNum popup(parent);
  popup.setFont(face);
  popup.setUp(params, fill, QStringLiteral("Tempo"));
  popup.exec();
  if (!popup.params().accepted) return std::nullopt;
  return popup.params().result;
}

}  // namespace

void frmUPFile::connectEditing(int file) {
  UPFilePane& p = pane(file);
  connect(p.editUP, &ImageButton::leftPressed, this, [this, file] { toggleEditPanel(file); });
  connect(p.grid, &QAbstractItemView::doubleClicked, this,
          [this, file](const QModelIndex& index) { onCellDoubleClicked(file, index); });
  const auto cycle = [this, file](ImageButton* button, ColumnSelector selector, int step) {
    connect(button, &ImageButton::leftPressed, this, [this, file, selector, step] {
      cycleColumnSelector(file, selector, step);
      parkFocus();
    });
  };
  for (int i = 0; i < 2; ++i) {
    const int step = i == 0 ? -1 : 1;
    cycle(p.cyclePad[i], ColumnSelector::Pad, step);
    cycle(p.cycleEFX[i], ColumnSelector::EFX, step);
    cycle(p.cycleTone[i], ColumnSelector::Tone, step);
  }
  if (file == 0) {
    connect(editPanel_, &UPEditPanel::closeRequested, this, &frmUPFile::CloseEditPanel);
    connect(editPanel_->closeButton(), &QPushButton::clicked, this, &frmUPFile::CloseEditPanel);
    connect(editPanel_, &UPEditPanel::fieldDoubleClicked, this, &frmUPFile::editPanelField);
  }
}

// Open is kept in the tag of the edit file's panel button: the panel itself hides while its
// file's grid has no rows and comes back with them.
bool frmUPFile::editPanelOpen() const {
  return pane(editFile_).editUP->property("tag").toString() == QStringLiteral("1");
}

void frmUPFile::toggleEditPanel(int file) {
  if (editPanelOpen()) {
    CloseEditPanel();
  } else {
    OpenEditPanel(file);
  }
}

// The panel's file becomes the active one: the keys, Space and Undo act on the UP it shows,
// never on the file it covers.
void frmUPFile::OpenEditPanel(int file) {
  if (shownRows(file) == 0) return;  // nothing to show; the button is hidden with the grid
  const int other = 1 - file;
  editFile_ = file;
  touchGrid(file);
  ImageButton& button = *pane(file).editUP;
  button.setProperty("tag", QStringLiteral("1"));
  button.setPictureName(QStringLiteral("EDIT_UP_SHRINK"));
  button.setToolTip(QStringLiteral("Close UP Editing"));
  button.setAccessibleName(button.toolTip());
  for (QWidget* hidden : {static_cast<QWidget*>(pane(file).copyMenuControl), pane(file).copyMenuButtons,
                          static_cast<QWidget*>(pane(file).fileNew), static_cast<QWidget*>(pane(file).fileOpen),
                          static_cast<QWidget*>(pane(other).openFileFrom), static_cast<QWidget*>(&pane(other))})
    hidden->hide();
  // The panel takes the other file's place, in the colour of its own file's frame.
  layout_->removeWidget(editPanel_);
  layout_->insertWidget(file == 0 ? 2 : 0, editPanel_);
  QPalette colours = editPanel_->palette();
  colours.setColor(QPalette::Window, pane(file).palette().color(QPalette::Window));
  editPanel_->setPalette(colours);
  editPanel_->setVisible(shownRows(file) > 0);
  editPanel_->raise();
  ReloadEditPanel();
  parkFocus();
}

void frmUPFile::CloseEditPanel() {
  if (!editPanelOpen()) return;
  const int file = editFile_;
  const int other = 1 - file;
  ImageButton& button = *pane(file).editUP;
  button.setProperty("tag", QStringLiteral("0"));
  button.setPictureName(QStringLiteral("EDIT_UP_EXPAND"));
  button.setToolTip(QStringLiteral("Expand UP for Editing"));
  button.setAccessibleName(button.toolTip());
  pane(file).copyMenuButtons->setVisible(panelFlags_.copyMenuButtonsVisible[static_cast<std::size_t>(file)]);
  pane(file).copyMenuControl->show();
  pane(file).fileNew->show();
  pane(file).fileOpen->show();
  pane(other).show();
  editPanel_->hide();
  showFilePanels();  // the other file's Open-From as its file state has it
  parkFocus();
}

const UPRecord* frmUPFile::editedUP() const {
  const int id = grids_[static_cast<std::size_t>(editFile_)].SelID;
  const UPFile& file = state_.up.files[static_cast<std::size_t>(editFile_)];
  return id >= 0 && id < file.count ? &file.up(id) : nullptr;
}

void frmUPFile::ReloadEditPanel() {
  editPanel_->showUP(grids_[static_cast<std::size_t>(editFile_)].SelID, editedUP());
}

bool frmUPFile::ApplyEdit(const std::optional<RecordEdit>& edit) {
  if (!edit || !ApplyRecordEdit(state_.up, state_.history, *edit)) return false;
  showFileChanged(edit->file);  // refreshes the grid, which reloads the panel
  return true;
}

void frmUPFile::editPanelField(PanelField field) {
  const UPRecord* up = editedUP();
  if (up == nullptr) return;
  if (field == PanelField::Style && editPanel_->styleSourceBox()->text() != QStringLiteral("D88")) return;
  activeFile_ = editFile_;
  const int id = grid(editFile_).SelID;
  QLineEdit* box = editPanel_->box(field);
  const PopupPlace place = ScreenPlaceOf(box, box->rect());
  const QColor fill = state_.fileColor[static_cast<std::size_t>(activeFile_)];
  if (field == PanelField::Tempo) {
    NumEditParams params;
    params.value = GetUPTempo(*up);
    params.top = place.top;
    params.left = place.left;
    params.height = place.height - kTwipsPerPixel;
    params.width = place.width - kTwipsPerPixel;
    params.layout = 1;
    params.alignment = AlignmentCode(box->alignment());
    if (const std::optional<int> tempo = AskTempo(this, params, fill, box->font()))
      ApplyEdit(TempoEdit(state_.up, editFile_, id, *tempo));
    return;
  }
  const int offset = field == PanelField::Name    ? kUPNameOffset
                     : field == PanelField::Style ? kStyleNameOffset
                                                  : kSongNameOffset;
  FrmEditorText8 popup(this);
  popup.setFont(box->font());
  if (const std::optional<QString> text =
          AskText(popup, place, box->alignment(), ShownField(*up, offset), fill, box->toolTip()))
    ApplyEdit(TextFieldEdit(state_.up, editFile_, id, offset, *text));
}

void frmUPFile::onCellDoubleClicked(int file, const QModelIndex& index) {
  if (!index.isValid() || shownRows(file) == 0) return;
  touchGrid(file);
  const int id = model(file).idAt(index.row());
  grid(file).SelID = id;
  selectRows(file, index.row(), index.row());
  if (id < 0 || id >= upFile(file).count) return;
  switch (index.column()) {
    case kColID:
      OpenEditPanel(file);
      break;
    case kColUserProgram:
      sendUP(id);
      break;
    case kColName:
      editCellText(file, id, kUPNameOffset, index);
      break;
    case kColStyle:
      if (GetUPStyleNumberText(upFile(file).up(id)) == "D88") editCellText(file, id, kStyleNameOffset, index);
      break;
    case kColSong:
      editCellText(file, id, kSongNameOffset, index);
      break;
    case kColTempo:
      editCellTempo(file, id, index);
      break;
    default:
      break;
  }
}

void frmUPFile::editCellText(int file, int id, int offset, const QModelIndex& cell) {
  UPGridView& view = *pane(file).grid;
  const PopupPlace place = ScreenPlaceOf(view.viewport(), view.visualRect(cell));
  const QString fieldName = ColumnTitle(cell.column(), model(file).selectors());
  FrmNameEditor popup(this);
  popup.setFont(view.font());
  const std::optional<QString> text =
      AskText(popup, place, model(file).alignment(cell.column()), ShownField(upFile(file).up(id), offset),
              state_.fileColor[static_cast<std::size_t>(file)], fieldName);
  if (text) ApplyEdit(TextFieldEdit(state_.up, file, id, offset, *text));
  if (shownRows(file) > 0) reselect(file, grid(file));  // the whole row is selected again
}

void frmUPFile::editCellTempo(int file, int id, const QModelIndex& cell) {
  UPGridView& view = *pane(file).grid;
  const PopupPlace place = ScreenPlaceOf(view.viewport(), view.visualRect(cell));
  NumEditParams params;
  params.value = GetUPTempo(upFile(file).up(id));
  params.top = place.top;
  params.left = place.left;
  params.height = place.height + 2 * kTwipsPerPixel;
  params.width = place.width + 2 * kTwipsPerPixel;
  params.layout = 2;
  params.alignment = AlignmentCode(model(file).alignment(cell.column()));
  if (const std::optional<int> tempo =
          AskTempo(this, params, state_.fileColor[static_cast<std::size_t>(file)], view.font()))
    ApplyEdit(TempoEdit(state_.up, file, id, *tempo));
  if (shownRows(file) > 0) reselect(file, grid(file));
}

void frmUPFile::sendUP(int id) {
  if (id < 0 || id >= kSelectableUPs || !midiOutOpen_ || !midiOutOpen_() || !upSelect_) return;
  upSelect_(id);
}

}  // namespace tarnwick
