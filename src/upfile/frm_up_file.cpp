// SPDX-License-Identifier: GPL-3.0-or-later
#include "grid/grid_controls.h"
#include "upfile/frm_up_file.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "state/app_state.h"
#include "ui/focus_park.h"
#include "grid/fitted_help.h"
#include "ui/image_button.h"
#include "ui/mouse_wheel.h"
#include "upfile/file_rules.h"
#include "grid/grid_header_button.h"
#include "upfile/up_file_pane.h"
#include "upfile/up_grid_model.h"
#include "upfile/up_grid_view.h"

namespace tarnwick {

frmUPFile::frmUPFile(AppState& state, UserDialogs& dialogs, const UPFilePanelFlags& panelFlags,
                     MidiOutOpen midiOutOpen, QWidget* parent)
    : QWidget(parent),
      state_(state),
      dialogs_(dialogs),
      midiOutOpen_(std::move(midiOutOpen)),
      files_(state.up, state.history, dialogs, QString::fromStdString(state.programFolder),
             TemplatePath(QString::fromStdString(state.dataFolder))),
      panelFlags_(panelFlags) {
  setObjectName(QStringLiteral("frmUPFile"));
  files_.setBusyHook([](bool busy) {
    if (busy) {
      QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
      QGuiApplication::restoreOverrideCursor();
    }
  });

  layout_ = new QHBoxLayout(this);
  layout_->setContentsMargins(0, 0, 0, 0);
  layout_->setSpacing(2);
  for (int file = 0; file < 2; ++file) {
    buildPane(file);
    layout_->addWidget(panes_[file]);
  }
  buildFollowBox();
  buildFindControls();
  buildCompareControls();
  editPanel_ = new UPEditPanel(state_.names, this);
  editPanel_->hide();
  // Takes the focus after clicks on the picture buttons, so that no control keeps a focus mark;
  // the keys it gets still move the active grid.
  dummy_ = CreateDummyButton(this, QStringLiteral("User Program view"));
  dummy_->installEventFilter(this);
  wheel_ = new MWheel(this);
  showHelp_ = [this](const QString& caption, QSize sizeTwips, const QString& text) {
    ShowFittedHelp(this, caption, sizeTwips, text);
  };

  for (int file = 0; file < 2; ++file) {
    connectPane(file);
    connectEditing(file);
    connectDragAndDrop(file);
  }
  connectHistory();
  QCoreApplication::instance()->installEventFilter(this);  // the window sees Space before its controls
  loadFilesOfLastRun();
}

frmUPFile::~frmUPFile() = default;

UPFile& frmUPFile::upFile(int file) { return state_.up.files[static_cast<std::size_t>(file)]; }

int frmUPFile::shownRows(int file) const { return model(file).rowCount(); }

const ColumnSelectors& frmUPFile::columnSelectors(int file) const { return model(file).selectors(); }

void frmUPFile::buildPane(int file) {
  auto* pane = new UPFilePane(file, state_.fileColor[static_cast<std::size_t>(file)], this);
  panes_[static_cast<std::size_t>(file)] = pane;
  auto* gridModel = new UPGridModel(upFile(file), state_.names, this);
  gridModel->setMidiOutOpen(midiOutOpen_);
  models_[static_cast<std::size_t>(file)] = gridModel;
  pane->grid->setModel(gridModel);
  pane->applyColumnWidths();
  for (int col = 0; col < kGridColumnCount; ++col) showHeaderLook(file, col);
  pane->homeEnd->setProperty("tag", QStringLiteral("TO_END"));
  pane->homeEnd->setToolTip(QStringLiteral("Go to End"));
  connect(pane->counter, &RowCounter::pressed, this, [this, file] {
    selectAllRows(file);
    parkFocus();
  });
}

void frmUPFile::connectPane(int file) {
  UPFilePane& p = pane(file);
  connect(p.fileNew, &ImageButton::leftPressed, this, [this, file] { onNew(file); });
  connect(p.fileOpen, &ImageButton::leftPressed, this, [this, file] { onOpen(file); });
  connect(p.fileSave, &ImageButton::leftPressed, this, [this, file] { onSave(file); });
  connect(p.fileSaveAs, &ImageButton::leftPressed, this, [this, file] { onSaveAs(file); });
  connect(p.openFileFrom, &ImageButton::leftPressed, this, [this, file] { onOpenFrom(file); });
  connect(p.copy, &ImageButton::leftPressed, this, [this, file] { onCopy(file); });
  connect(p.insert, &ImageButton::leftPressed, this, [this, file] { onInsert(file); });
  connect(p.append, &ImageButton::leftPressed, this, [this, file] { onAppend(file); });
  connect(p.remove, &ImageButton::leftPressed, this, [this, file] { onDelete(file); });
  connect(p.homeEnd, &ImageButton::leftPressed, this, [this, file] { goHomeOrEnd(file); });
  connect(p.fileMenuControl, &ImageButton::leftPressed, this, [this, file] {
    setFilePanelShown(file, !panelFlags_.fileMenuButtonsVisible[static_cast<std::size_t>(file)]);
    parkFocus();
  });
  connect(p.copyMenuControl, &ImageButton::leftPressed, this, [this, file] {
    setCopyPanelShown(file, !panelFlags_.copyMenuButtonsVisible[static_cast<std::size_t>(file)]);
    parkFocus();
  });
  for (int col = 0; col < kGridColumnCount; ++col) {
    connect(p.headers[col], &ImageButton::leftPressed, this, [this, file, col] { sortByHeader(file, col); });
    connect(p.headers[col], &GridHeaderButton::rightPressed, this,
            [this, file, col] { alignByHeader(file, col); });
  }
  QItemSelectionModel* selection = p.grid->selectionModel();
  connect(selection, &QItemSelectionModel::selectionChanged, this, [this, file] { readSelection(file); });
  connect(selection, &QItemSelectionModel::currentRowChanged, this, [this, file] { readSelection(file); });
  connect(p.grid, &UPGridView::buttonPressed, this, [this, file] { gridButtonPressed(file); });
  connect(p.grid, &UPGridView::mouseReleased, this, &frmUPFile::gridButtonReleased);
  connect(p.grid, &UPGridView::mousePressedOnRow, this, [this, file](int row) {
    touchGrid(file);
    grid(file).SelID = model(file).idAt(row);
  });
  connectFilters(file);
}

void frmUPFile::loadFilesOfLastRun() {
  for (int file = 0; file < 2; ++file) {
    const FileCommands::Outcome outcome = files_.LoadAtStart(file);
    const std::size_t f = static_cast<std::size_t>(file);
    if (outcome == FileCommands::Outcome::Replaced) {
      Fill_Grid_frmUPFile_UP(file);
      setFilePanelShown(file, panelFlags_.fileMenuButtonsVisible[f]);
    } else {
      Refresh_Grid_frmUPFile_UP(file);
      setFilePanelShown(file, true);
    }
    setCopyPanelShown(file, panelFlags_.copyMenuButtonsVisible[f]);
  }
  showFilePanels();
}

namespace {

// Shows or folds away a button panel and turns its toggle button to match.
void ShowPanel(QWidget* panel, ImageButton* toggle, bool shown, const QString& hideTip,
               const QString& showTip) {
  panel->setVisible(shown);
  toggle->setProperty("tag", shown ? QStringLiteral("1") : QStringLiteral("0"));
  toggle->setToolTip(shown ? hideTip : showTip);
  toggle->setPictureName(shown ? QStringLiteral("MENU_CONTROL_SHRINK") : QStringLiteral("MENU_CONTROL_EXPAND"));
}

}  // namespace

void frmUPFile::setFilePanelShown(int file, bool shown) {
  panelFlags_.fileMenuButtonsVisible[static_cast<std::size_t>(file)] = shown;
  ShowPanel(pane(file).fileMenuButtons, pane(file).fileMenuControl, shown, QStringLiteral("Hide File Buttons"),
            QStringLiteral("Show File Buttons"));
}

void frmUPFile::setCopyPanelShown(int file, bool shown) {
  panelFlags_.copyMenuButtonsVisible[static_cast<std::size_t>(file)] = shown;
  ShowPanel(pane(file).copyMenuButtons, pane(file).copyMenuControl, shown, QStringLiteral("Hide buttons"),
            QStringLiteral("Show buttons"));
}

void frmUPFile::parkFocus() { ParkFocus(dummy_); }

void frmUPFile::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  activate();
}

void frmUPFile::activate() {
  const int touchedLast = activeFile_;
  for (int file = 0; file < 2; ++file) {
    reselect(file, grid(file));
    readSelection(file);
  }
  activeFile_ = touchedLast;
  showModifiedMarks();
  parkFocus();
}

bool frmUPFile::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && handleWindowKey(watched, static_cast<QKeyEvent*>(event))) return true;
  return QWidget::eventFilter(watched, event);
}

}  // namespace tarnwick
