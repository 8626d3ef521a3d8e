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

#include "upfile/file_commands.h"
#include "upfile/grid_columns.h"
#include "upfile/grid_filter.h"
#include "grid/grid_state.h"
#include "upfile/transfers.h"

class QPushButton;

namespace tarnwick {

struct AppState;
class MWheel;
class UPFilePane;
class UPGridModel;

// The four panel flags kept in the settings ("Settings": "FileMenuButtons_Visible0/1",
// "CopyMenuButtons_Visible0/1").
struct UPFilePanelFlags {
  std::array<bool, 2> fileMenuButtonsVisible{true, true};
  std::array<bool, 2> copyMenuButtonsVisible{true, true};
};

enum class ColumnSelector { Pad, EFX, Tone };

class frmUPFile : public QWidget {
  Q_OBJECT

 public:
  using MidiOutOpen = std::function<bool()>;
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
  // For changes made elsewhere (Disk Link names, edits): marks the file and refreshes its grid.
  void markModified(int file);
  void setHelpPresenter(HelpPresenter presenter) { showHelp_ = std::move(presenter); }
  // What the window does each time it becomes the visible view: both grids select their active
  // UP again, the file marks are brought up to date and the focus is parked. Runs on show.
  void activate();

  void Fill_Grid_frmUPFile_UP(int file);
  void Refresh_Grid_frmUPFile_UP(int file);
  int SelectUPByID(int file, int id);
  void ReapplySort(int file);
  void RefreshOpenFromButtons();

  const GridState& gridState(int file) const { return grids_[static_cast<std::size_t>(file)]; }
  int activeFile() const { return activeFile_; }
  const ColumnSelectors& columnSelectors(int file) const;
  void cycleColumnSelector(int file, ColumnSelector selector, int step);

 signals:
  void captionChanged(const QString& caption);
  void gridRefreshed(int file);

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

  // transfers (frm_up_file_transfer.cpp)
  void runTransfer(int target, const QString& busyText, const std::function<TransferResult()>& operation);
  void onCopy(int source);
  void onInsert(int source);
  void onAppend(int source);
  void onDelete(int file);

  AppState& state_;
  UserDialogs& dialogs_;
  MidiOutOpen midiOutOpen_;
  HelpPresenter showHelp_;
  FileCommands files_;
  UPFilePanelFlags panelFlags_;
  std::array<UPFilePane*, 2> panes_{};
  std::array<UPGridModel*, 2> models_{};
  std::array<GridState, 2> grids_{};
  QPushButton* dummy_ = nullptr;
  MWheel* wheel_ = nullptr;  // steps the focused filter box
  int activeFile_ = 0;
  int refreshing_ = 0;  // read-outs wait while a grid is being rebuilt
  QString caption_;
};

}  // namespace tarnwick
