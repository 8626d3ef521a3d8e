// SPDX-License-Identifier: GPL-3.0-or-later
// The controls of one side of the UP file window (one file): file and transfer panels, the
// read-out beside the grid, the header buttons, the filter boxes and the grid. The pane only
// builds and lays them out; frmUPFile gives them their behaviour. While the grid is hidden (no row
// shown: an empty file, or a filter that leaves nothing) the pane itself takes the drops the grid
// would take, so that a new set can be started by dragging rows into an empty file.
#pragma once

#include <QFrame>
#include <array>

#include "upfile/drop_rules.h"
#include "upfile/grid_columns.h"

class QHBoxLayout;
class QLabel;
class QLineEdit;
class QDragEnterEvent;
class QDragMoveEvent;
class QDropEvent;

namespace tarnwick {

class RowCounter;
class FilterBox;
class GridHeaderButton;
class ImageButton;
class UPGridView;

class UPFilePane : public QFrame {
  Q_OBJECT

 public:
  UPFilePane(int file, const QColor& background, QWidget* parent = nullptr);

  const int file;

  ImageButton* fileMenuControl;
  QWidget* fileMenuButtons;
  ImageButton* fileNew;
  ImageButton* fileOpen;
  ImageButton* openFileFrom;
  ImageButton* fileSave;
  ImageButton* fileSaveAs;
  QLabel* fileNameLabel;
  QLineEdit* fileNameBox;

  ImageButton* copyMenuControl;
  QWidget* copyMenuButtons;
  ImageButton* copy;
  ImageButton* insert;
  ImageButton* append;
  ImageButton* remove;

  RowCounter* counter;
  QLineEdit* selectedID;
  QLineEdit* selectedRows;
  ImageButton* homeEnd;
  ImageButton* editUP;  // opens and closes the edit panel
  QHBoxLayout* readOutRow;  // ends in a stretch: the window adds its own controls before it
  std::array<QLineEdit*, 6> toneBoxes;  // UP1, UP2, UP3, LW1, LW2, MI
  QLabel* toneLabel;
  QLabel* toneName;

  // The column selectors: [0] previous, [1] next.
  std::array<ImageButton*, 2> cycleEFX;
  std::array<ImageButton*, 2> cyclePad;
  std::array<ImageButton*, 2> cycleTone;

  std::array<GridHeaderButton*, kGridColumnCount> headers;
  ImageButton* clearFilter;
  std::array<FilterBox*, kGridColumnCount> filters;  // boxes 1..12; [0] is null
  UPGridView* grid;

  int columnWidth(int col) const;
  void applyColumnWidths();  // after the grid has its model

  // The parts whose tone names the six tone boxes show, in box order.
  static constexpr std::array<int, 6> kToneBoxParts = {0, 1, 2, 3, 4, 7};

 signals:
  // Dropped on the pane while its grid is hidden: rows of the other grid, or a .UPS file.
  void rowsDropped(const tarnwick::RowDrag& rows);
  void fileDropped(const QString& path);

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  DragPayload payloadTaken(const QDropEvent& event) const;
  bool judgeDrop(QDropEvent* event) const;
  QWidget* buildFilePanel();
  QWidget* buildTransferPanel();
  QWidget* buildReadOut();
  QWidget* buildToneRow();
  QWidget* buildSelectorRow();
  QWidget* buildHeaderRow();
  QWidget* buildFilterRow();
  QString indexed(const char* name) const;
  ImageButton* pictureButton(const char* name, const QString& picture, QWidget* parent) const;
};

}  // namespace tarnwick
