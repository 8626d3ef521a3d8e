// SPDX-License-Identifier: GPL-3.0-or-later
// The controls of one side of the Disk Link view (one file): file name, selection read-out,
// count label, Home/End and copy buttons, the header buttons, Clear Filter with the two filter
// boxes, and the grid. The side only builds and lays them out; frmDL gives them behaviour.
#pragma once

#include <QFrame>

#include <array>

class QLabel;
class QLineEdit;

namespace tarnwick {

class RowCounter;
class DLGridModel;
class FilterBox;
class PagedGridView;
class GridHeaderButton;
class ImageButton;

class DLSide : public QFrame {
  Q_OBJECT

 public:
  DLSide(int side, const QColor& background, QWidget* parent = nullptr);

  const int side;

  QLabel* fileNameLabel;
  QLineEdit* fileNameBox;
  QLineEdit* selectedID;
  QLineEdit* selectedRows;
  RowCounter* counter;
  ImageButton* homeEnd;
  ImageButton* copy;
  std::array<GridHeaderButton*, 3> headers;
  ImageButton* clearFilter;
  std::array<FilterBox*, 2> filters;  // location code, name
  DLGridModel* model;
  PagedGridView* grid;

 private:
  QWidget* buildFileRow();
  QWidget* buildReadOut();
  QWidget* buildHeaderRow();
  QWidget* buildFilterRow();
  QString indexed(const char* name) const;
};

// A page of the grid: 30 rows.
inline constexpr int kDLPageRows = 30;

// Column widths in twips: ID, location code, name.
inline constexpr std::array<int, 3> kDLColumnTwips = {600, 405, 975};

}  // namespace tarnwick
