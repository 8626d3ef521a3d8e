// SPDX-License-Identifier: GPL-3.0-or-later
// The UP file window: File 0 and File 1 side by side, each as a filtered, sorted grid with its
// file commands and the transfers between the two. The window owns no UP data; it shows and
// changes the two file slots of AppState.
//
// The shell builds it once at start-up (which loads the two files of the last run from the
// paths in AppState), asks confirmCloseAll() before the program exits, and stores panelFlags()
// in the settings when the window is unloaded.
#pragma once

#include <QSize>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

#include "catalog/catalog_search.h"
#include "midi/midi_receivers.h"
#include "upfile/file_commands.h"
#include "upfile/grid_columns.h"
#include "upfile/grid_filter.h"
#include "grid/grid_state.h"
#include "upfile/record_edit.h"
#include "upfile/transfers.h"
#include "setlist/set_list.h"
#include "upfile/up_edit_panel.h"

class QByteArray;
class QCheckBox;
class QHBoxLayout;
class QKeyEvent;
class QMenu;
class QModelIndex;
class QPoint;
class QPushButton;

namespace tarnwick {

struct AppState;
class MWheel;
class FrmFindUPs;
class UPFilePane;
class UPGridModel;
class UPGridView;
struct RowDrag;

// The four panel flags kept in the settings ("Settings": "FileMenuButtons_Visible0/1",
// "CopyMenuButtons_Visible0/1").
struct UPFilePanelFlags {
  std::array<bool, 2> fileMenuButtonsVisible{true, true};
  std::array<bool, 2> copyMenuButtonsVisible{true, true};
};

enum class ColumnSelector { Pad, EFX, Tone };

class frmUPFile : public QWidget, public UPSelectReceiver {
  Q_OBJECT

 public:
  using MidiOutOpen = std::function<bool()>;
  // Selects UP `id` (0..191) on the instrument; called only while MIDI Out is open.
  using UPSelectSender = std::function<void(int id)>;
  // Shows a help text: caption, size in twips, text (the program's help window by default).
  using HelpPresenter = std::function<void(const QString& caption, QSize sizeTwips, const QString& text)>;

  frmUPFile(AppState& state, UserDialogs& dialogs, const UPFilePanelFlags& panelFlags,
            MidiOutOpen midiOutOpen, QWidget* parent = nullptr);
  ~frmUPFile() override;

  // Asks about every file with unsaved changes; false when the user cancels (nothing changed).
  bool confirmCloseAll();
  UPFilePanelFlags panelFlags() const { return panelFlags_; }
  // "SET1.UPS* | LIB.UPS": the two file names, "*" after each with unsaved changes.
  QString caption() const { return caption_; }
  // After a change recorded in the file's history (here or elsewhere, such as Disk Link names):
  // refreshes its grid and its unsaved-changes marks.
  void showFileChanged(int file);
  // Undo and redo of the file's last change; false when there is none to take.
  bool undoChange(int file);
  bool redoChange(int file);
  // The context menu of a grid's rows: Undo and Redo naming the change, Print and Export Set List.
  std::unique_ptr<QMenu> gridMenu(int file);
  // Opens `path` in `file` as a drop of that file on its grid would (the unsaved-changes question
  // first); false when it was not opened.
  bool openFileAt(int file, const QString& path);
  void setHelpPresenter(HelpPresenter presenter) { showHelp_ = std::move(presenter); }
  void setUPSelectSender(UPSelectSender sender) { upSelect_ = std::move(sender); }
  // What the window does each time it becomes the visible view: both grids select their active
  // UP again, the file marks are brought up to date and the focus is parked. Runs on show.
  void activate();

  // "Follow Instrument": while it is checked, a UP selected on the instrument (UPSelectReceived,
  // handed on while MIDI In is open) is selected and scrolled to in the active grid, when that
  // grid shows a set of 192 UPs and the UP is not filtered away. The box is stored in the settings.
  void setFollowInstrument(bool follow);
  bool followInstrument() const;
  void UPSelectReceived(int upId) override;

  void Fill_Grid_frmUPFile_UP(int file);
  void Refresh_Grid_frmUPFile_UP(int file);
  int SelectUPByID(int file, int id);
  void ReapplySort(int file);
  void RefreshOpenFromButtons();

  const GridState& gridState(int file) const { return grids_[static_cast<std::size_t>(file)]; }
  int activeFile() const { return activeFile_; }
  const ColumnSelectors& columnSelectors(int file) const;
  void cycleColumnSelector(int file, ColumnSelector selector, int step);

  // The edit panel: it shows the active UP of its file and covers the other file's half.
  void OpenEditPanel(int file);
  void CloseEditPanel();
  void toggleEditPanel(int file);
  bool editPanelOpen() const;
  int editFile() const { return editFile_; }
  void ReloadEditPanel();
  // Every accepted change of a UP: writes it, marks the file and shows the change.
  bool ApplyEdit(const std::optional<RecordEdit>& edit);

 // Finding UPs in the catalog (frm_up_file_find.cpp): the "Find UPs" window, opened for a pane
  // (Ctrl+F for the active one, or the pane's own button); a result it opens goes to that pane.
  void openFindUPs(int file);
  FrmFindUPs* findWindow() const { return find_; }
  void setCatalogPath(const QString& path) { catalogPath_ = path; }  // before the window opens
  // Opens `path` in the pane the Find window was opened for (asking about unsaved changes
  // first, and not reloading a file that is open there unchanged) and selects UP `id`.
  void openCatalogHit(const QString& path, int id);
  void addCatalogHitsToStage(const std::vector<CatalogHit>& hits);

  // Comparing the two files (frm_up_file_compare.cpp): the "Compare" box colours the cells that
  // differ from the same ID in the other file; F7 and Shift+F7 jump to the next and previous UP
  // that differs in the active grid.
  void setCompare(bool on);
  bool comparing() const;
  bool jumpToDifference(int step);

 signals:
  void captionChanged(const QString& caption);
  void gridRefreshed(int file);
  // "Add to Stage" in a grid's menu: the selected UPs of `file`, in the grid's order.
  void addToStageRequested(int file, const std::vector<int>& ids);

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  UPFilePane& pane(int file) const { return *panes_[static_cast<std::size_t>(file)]; }
  UPGridModel& model(int file) const { return *models_[static_cast<std::size_t>(file)]; }
  GridState& grid(int file) { return grids_[static_cast<std::size_t>(file)]; }
  UPFile& upFile(int file);
  int shownRows(int file) const;

  // construction (frm_up_file.cpp)
  void buildPane(int file);
  void connectPane(int file);
  void loadFilesOfLastRun();
  void parkFocus();
  void setFilePanelShown(int file, bool shown);
  void setCopyPanelShown(int file, bool shown);

  // grid (frm_up_file_grid.cpp)
  void selectRows(int file, int anchorRow, int activeRow);
  void reselect(int file, const GridState& before);
  void readSelection(int file);
  void showToneNames(int file);
  void showTransferButtons();
  void showCounts(int file);
  void showHeaderLook(int file, int col);
  void sortByHeader(int file, int col);
  void alignByHeader(int file, int col);
  void goHomeOrEnd(int file);
  void selectAllRows(int file);

  // filter (frm_up_file_filter.cpp)
  void connectFilters(int file);
  FilterTexts filterTexts(int file) const;
  void clearFilter(int file);
  void onFilterFocus(int file, int box, bool hasFocus);

  // file commands (frm_up_file_files.cpp)
  void runFileCommand(int file, FileCommands::Outcome outcome);
  void onNew(int file);
  void onOpen(int file);
  void onSave(int file);
  void onSaveAs(int file);
  void onOpenFrom(int source);
  void showFilePanels();
  void showModifiedMarks();

  // editing (frm_up_file_edit.cpp)
  void connectEditing(int file);
  void onCellDoubleClicked(int file, const QModelIndex& index);
  void editCellText(int file, int id, int offset, const QModelIndex& cell);
  void editCellTempo(int file, int id, const QModelIndex& cell);
  void editPanelField(PanelField field);
  void sendUP(int id);
  const UPRecord* editedUP() const;

  // undo, redo and set lists (frm_up_file_history.cpp)
  void connectHistory();
  void showGridMenu(int file, const QPoint& globalPos);
  SetList setListOf(int file) const;
  void printSetList(int file);
  void exportSetList(int file);

  // following the instrument (frm_up_file_follow.cpp)
  void buildFollowBox();
  // The player worked in this grid: it becomes the active file, and Follow's target.
  void touchGrid(int file);
  int followTarget() const;
  void gridButtonPressed(int file);
  void gridButtonReleased();

  // keys (frm_up_file_keys.cpp)
  bool handleWindowKey(QObject* watched, QKeyEvent* key);
  bool isGridKeyTarget(const QObject* watched) const;
  // The active file's grid while the player can see it and it has rows; null otherwise.
  UPGridView* keyGrid() const;
  void editActiveName();

  // drag and drop (frm_up_file_drop.cpp)
  void connectDragAndDrop(int file);
  void startRowDrag(int file);
  void dropRows(int target, const RowDrag& rows, int row, bool copy);

  void applyDrop(int target, const UPFile& source, const std::vector<int>& from, int row, bool copy);

  // finding and comparing (frm_up_file_find.cpp, frm_up_file_compare.cpp)
  void buildFindControls();
  void dropCatalogUPs(int target, const QByteArray& payload, int row, bool copy);
  void buildCompareControls();

  // transfers (frm_up_file_transfer.cpp)
  void runTransfer(int target, const QString& busyText, const std::function<TransferChange()>& operation);
  void onCopy(int source);
  void onInsert(int source);
  void onAppend(int source);
  void onDelete(int file);

  AppState& state_;
  UserDialogs& dialogs_;
  MidiOutOpen midiOutOpen_;
  UPSelectSender upSelect_;
  HelpPresenter showHelp_;
  FileCommands files_;
  UPFilePanelFlags panelFlags_;
  std::array<UPFilePane*, 2> panes_{};
  std::array<UPGridModel*, 2> models_{};
  std::array<GridState, 2> grids_{};
  QPushButton* dummy_ = nullptr;
  QHBoxLayout* layout_ = nullptr;
  UPEditPanel* editPanel_ = nullptr;
  QCheckBox* followBox_ = nullptr;
  FrmFindUPs* find_ = nullptr;
  int findOrigin_ = 0;
  QString catalogPath_;
  QCheckBox* compareBox_ = nullptr;
  int editFile_ = 0;
  MWheel* wheel_ = nullptr;  // steps the focused filter box
  int activeFile_ = 0;
  bool largeSetList_ = false;  // set lists printed and exported at the stage size
  bool gridTouched_ = false;             // the player pressed, dropped on or opened a grid
  bool buttonHeld_ = false;              // a mouse button went down on a grid and is not up yet
  std::optional<int> waitingFollow_;     // a UP select that came while the button was held
  std::array<std::vector<int>, 2> pressedIDs_;  // each grid's selection when its button went down
  int refreshing_ = 0;  // read-outs wait while a grid is being rebuilt
  QString caption_;
};

}  // namespace tarnwick
