// SPDX-License-Identifier: GPL-3.0-or-later
// The Disk Link view: the 111 Disk Link names of File 0 and File 1 side by side, each side
// filtered, sorted, renamed in place through the name pop-up, and copied to the other side's
// selection. The view owns no data: it shows and changes the headers of the two open files,
// each change through HeaderChanges, which records it in the file's history (and so marks the
// file as having unsaved changes).
#pragma once

#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "disklink/disk_link_list.h"
#include "disklink/header_change.h"
#include "popups/value_popup.h"

class QKeyEvent;
class QMenu;
class QPushButton;

namespace tarnwick {

struct AppState;
class DLSide;

// What the file label and file name box of a side show, copied from the UP file window.
struct DLFileLook {
  QString labelText;
  QColor labelColor;
  QString labelToolTip;
  QString fileName;
  QString fileNameToolTip;
};

// Everything the name pop-up needs to edit a name in place.
struct NameEditRequest {
  PopupPlace place;
  Qt::Alignment alignment;
  QString text;
  QColor fill;
};

class frmDL : public QWidget {
  Q_OBJECT

 public:
  // Returns the accepted text, or nothing when the edit was cancelled.
  using NameEditor = std::function<std::optional<QString>(const NameEditRequest&)>;
  using FileLookSource = std::function<DLFileLook(int side)>;

  explicit frmDL(AppState& state, QWidget* parent = nullptr);

  void setNameEditor(NameEditor editor) { editName_ = std::move(editor); }
  void setFileLookSource(FileLookSource source) { fileLook_ = std::move(source); }
  HeaderChanges& headerChanges() { return changes_; }

  // What the view does each time it is shown: file names copied, both sides refilled.
  void activate();
  void Fill_Grid_frmDL_DL(int side);
  void Refresh_Grid_frmDL_DL(int side);

  const DLSelection& selection(int side) const { return selections_[static_cast<std::size_t>(side)]; }
  int activeSide() const { return activeSide_; }
  // Undo and redo of the last change of a side's file, when it is a change this view made
  // (the file's history holds the other views' changes too); false otherwise.
  bool undoChange(int side);
  bool redoChange(int side);
  // The grid's right-click menu: Undo and Redo, named after the step they would take.
  std::unique_ptr<QMenu> gridMenu(int side);
  DLSide& side(int s) const { return *sides_[static_cast<std::size_t>(s)]; }

 signals:
  // A rename, copy, undo or redo changed `file` (its history already holds the change).
  void fileModified(int file);

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  DLSelection& sel(int s) { return selections_[static_cast<std::size_t>(s)]; }
  void connectSide(int s);
  void connectGridMenus();
  void onSelectionChanged(int s);
  void selectRows(int s, int first, int last);
  void showHeaderLooks(int s);
  void sortByHeader(int s, int col);
  void alignByHeader(int s, int col);
  void goHomeOrEnd(int s);
  void clearFilter(int s);
  void selectAllRows(int s);
  void rename(int s, const QModelIndex& index);
  void copyToOtherSide(int source);
  void showFileLooks();
  DLFileLook defaultFileLook(int s) const;
  void parkFocus();
  bool handleGridKeys(QObject* watched, QKeyEvent* event);

  AppState& state_;
  HeaderChanges changes_;
  std::array<DLSide*, 2> sides_{};
  std::array<DLSelection, 2> selections_{};
  QPushButton* dummy_ = nullptr;
  NameEditor editName_;
  FileLookSource fileLook_;
  int activeSide_ = 0;
  int refilling_ = 0;  // the read-out waits while a grid is rebuilt
};

// The name pop-up shown modally over the cell (the view's default editor).
std::optional<QString> EditNameInPopup(QWidget* parent, const NameEditRequest& request);

}  // namespace tarnwick
