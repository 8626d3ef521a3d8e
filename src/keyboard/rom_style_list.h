// SPDX-License-Identifier: GPL-3.0-or-later
// The list of the instrument's internal ROM styles (Grid_ROMStyle) with its header buttons, two
// filter boxes, row count, Home/End and Clear Filter, after the conventions of the browser grids.
// Selecting a row remembers its style and asks for it to be sent; a refill selects it again and
// asks again. A list filtered empty forgets the style.
#pragma once

#include <QWidget>

#include <array>
#include <vector>

#include "lists/name_lists.h"

class QLabel;

namespace tarnwick {

class RowCounter;
class FilterBox;
class GridHeaderButton;
class ImageButton;
class PagedGridView;
class RomStyleModel;

class RomStyleList : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kPageRows = 28;

  explicit RomStyleList(const std::vector<StyleEntry>& styles, QWidget* parent = nullptr);

  // Fills the list with the boxes' filters, in the current sort, and selects the remembered style
  // again.
  void Fill_Grid_ROMStyle();
  void Refresh_Grid_ROMStyle() { Fill_Grid_ROMStyle(); }

  int selectedStyle() const { return selectedStyle_; }  // -1: none
  RomStyleModel& model() const { return *model_; }
  PagedGridView* grid() const { return grid_; }

 signals:
  // The user selected the row of `style` (entry index 0..127).
  void styleSelected(int style);

 private:
  QWidget* buildHeaderRow();
  QWidget* buildFilterRow();
  QWidget* buildCountRow();
  void onHeaderPressed(int column);
  void onHeaderRightPressed(int column);
  void onCurrentRowChanged(int row);
  void onHomeEnd();
  void onClearFilter();
  void showHeaderMarks();
  void selectRow(int row);

  RomStyleModel* model_ = nullptr;
  PagedGridView* grid_ = nullptr;
  std::array<GridHeaderButton*, 3> headers_{};
  std::array<FilterBox*, 2> filters_{};
  RowCounter* counter_ = nullptr;
  ImageButton* homeEnd_ = nullptr;
  int selectedStyle_ = -1;
  bool filterChangeEnabled_ = true;  // cleared while Clear Filter empties the boxes
  bool filling_ = false;             // a refill's own selection changes are not the user's
};

}  // namespace tarnwick
