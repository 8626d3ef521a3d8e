// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyboard/rom_style_list.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QVBoxLayout>

#include "grid/filter_box.h"
#include "grid/grid_controls.h"
#include "grid/grid_header_button.h"
#include "grid/grid_state.h"
#include "grid/paged_grid_view.h"
#include "keyboard/rom_style_model.h"
#include "ui/focus_park.h"
#include "ui/form_helpers.h"
#include "ui/image_button.h"
#include "ui/twips.h"

namespace tarnwick {
namespace {

constexpr std::array<int, 3> kColumnTwips{600, 405, 975};
constexpr std::array<const char*, 3> kHeaderTips{"ID [L:Sort | R:Align]", "Disk Link [L:Sort | R:Align]",
                                                 "Tone [L:Sort | R:Align]"};
constexpr int kButtonSize = 20;

}  // namespace

RomStyleList::RomStyleList(const std::vector<StyleEntry>& styles, QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("fra_ROMStyles"));
  model_ = new RomStyleModel(styles, this);
  grid_ = new PagedGridView(QStringLiteral("Grid_ROMStyle"), kPageRows, this);
  grid_->setAccessibleName(QStringLiteral("Internal ROM Styles"));
  grid_->setModel(model_);
  grid_->setSelectionMode(QAbstractItemView::SingleSelection);
  for (int col = 0; col < 3; ++col) grid_->setColumnWidth(col, TwipsToPixels(kColumnTwips[static_cast<std::size_t>(col)]));
  connect(grid_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& current) { onCurrentRowChanged(current.row()); });

  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(1);
  column->addWidget(buildCountRow());
  column->addWidget(buildFilterRow());
  column->addWidget(buildHeaderRow());
  column->addWidget(grid_);
  column->addStretch(1);
  model_->sort(RomStyleModel::ColIndex, Qt::AscendingOrder);
  showHeaderMarks();
  Fill_Grid_ROMStyle();
}

QWidget* RomStyleList::buildHeaderRow() {
  auto* host = new QWidget(this);
  auto* row = TightRow(host, 0);
  for (int col = 0; col < 3; ++col) {
    auto* header = new GridHeaderButton(QStringLiteral("cmd_ROMStyleHeader_%1").arg(col), host);
    header->setToolTip(QString::fromLatin1(kHeaderTips[static_cast<std::size_t>(col)]));
    header->setAccessibleName(model_->headerData(col, Qt::Horizontal, Qt::DisplayRole).toString());
    header->setFixedSize(grid_->columnWidth(col), kButtonSize);
    connect(header, &GridHeaderButton::leftPressed, this, [this, col] { onHeaderPressed(col); });
    connect(header, &GridHeaderButton::rightPressed, this, [this, col] { onHeaderRightPressed(col); });
    headers_[static_cast<std::size_t>(col)] = header;
    row->addWidget(header);
  }
  row->addStretch(1);
  return host;
}

QWidget* RomStyleList::buildFilterRow() {
  auto* host = new QWidget(this);
  auto* row = TightRow(host, 0);
  auto* indexSpace = new QWidget(host);
  indexSpace->setFixedWidth(grid_->columnWidth(0));
  row->addWidget(indexSpace);
  const std::array<FilterRules, 2> rules{
      TextFilter(QStringLiteral("txt_ROMStyleFilter_1"), QStringLiteral("Progran Change [Filter: 1 to 128]")),
      TextFilter(QStringLiteral("txt_ROMStyleFilter_2"), QStringLiteral("Tone [Filter]"))};
  for (std::size_t i = 0; i < filters_.size(); ++i) {
    auto* box = new FilterBox(rules[i], host);
    box->setFixedWidth(grid_->columnWidth(static_cast<int>(i) + 1));
    connect(box, &FilterBox::refreshRequested, this, [this] {
      if (filterChangeEnabled_) Fill_Grid_ROMStyle();
    });
    filters_[i] = box;
    row->addWidget(box);
  }
  row->addStretch(1);
  return host;
}

QWidget* RomStyleList::buildCountRow() {
  auto* host = new QWidget(this);
  auto* row = TightRow(host, 0);
  counter_ = new RowCounter(QStringLiteral("lbl_Back_IDCnt"), QStringLiteral("lbl_IDCnt"),
                            QSize(grid_->columnWidth(0), kButtonSize), host);
  homeEnd_ = PictureButton("cmd_HomeEnd", QStringLiteral("TO_END"), QStringLiteral("Go to End"), kButtonSize, host);
  auto* clear = PictureButton("cmd_ClearFilter", QStringLiteral("CLEAR_FILTER"), QStringLiteral("Clear Filter"),
                              kButtonSize, host);
  connect(homeEnd_, &ImageButton::leftPressed, this, &RomStyleList::onHomeEnd);
  connect(clear, &ImageButton::leftPressed, this, &RomStyleList::onClearFilter);
  auto* title = new QLabel(QStringLiteral("Internal ROM Styles"), host);
  title->setObjectName(QStringLiteral("lbl_Internal_ROM_Styles"));
  row->addWidget(counter_);
  row->addWidget(homeEnd_);
  row->addWidget(clear);
  row->addSpacing(6);
  row->addWidget(title);
  row->addStretch(1);
  return host;
}

void RomStyleList::Fill_Grid_ROMStyle() {
  filling_ = true;
  model_->setFilter(filters_[0]->text(), filters_[1]->text());
  const int rows = model_->rowCount();
  grid_->fitToRows(rows);
  counter_->showRows(rows, QStringLiteral("%1 of %2").arg(rows).arg(model_->totalCount()));
  if (rows == 0) selectedStyle_ = -1;  // an empty list remembers no style
  const int row = model_->rowOf(selectedStyle_);
  selectRow(row);
  filling_ = false;
  // Found again, the style is selected as by a click, and so sent again.
  if (row >= 0) emit styleSelected(selectedStyle_);
}

void RomStyleList::selectRow(int row) {
  if (row < 0) {
    // The remembered style is filtered out: the list shows its first match.
    grid_->selectionModel()->clearSelection();
    grid_->scrollToTopRow(0);
    return;
  }
  grid_->selectionModel()->setCurrentIndex(model_->index(row, 0),
                                           QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  grid_->scrollToTopRow((row / kPageRows) * kPageRows);
}

void RomStyleList::onCurrentRowChanged(int row) {
  if (filling_) return;
  const int style = model_->styleAt(row);
  if (style < 0) return;
  // The selection is always the current row alone.
  grid_->selectionModel()->select(model_->index(row, 0),
                                  QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  selectedStyle_ = style;
  emit styleSelected(style);
}

void RomStyleList::onHeaderPressed(int column) {
  const bool toggle = model_->sortColumn() == column && model_->sortOrder() == Qt::AscendingOrder;
  filling_ = true;
  model_->sort(column, toggle ? Qt::DescendingOrder : Qt::AscendingOrder);
  filling_ = false;
  showHeaderMarks();
  Fill_Grid_ROMStyle();
  ParkFocus(this);
}

void RomStyleList::onHeaderRightPressed(int column) {
  model_->setAlignment(column, NextAlignment(model_->alignment(column)));
  ParkFocus(this);
}

void RomStyleList::showHeaderMarks() {
  for (int col = 0; col < 3; ++col) {
    SortMark mark = SortMark::None;
    if (col == model_->sortColumn()) {
      mark = model_->sortOrder() == Qt::AscendingOrder ? SortMark::Ascending : SortMark::Descending;
    }
    const QString picture = mark == SortMark::None     ? QStringLiteral("HeadSort_Norm_%1").arg(col)
                            : mark == SortMark::Ascending ? QStringLiteral("HeadSort_Up_%1").arg(col)
                                                          : QStringLiteral("HeadSort_Down_%1").arg(col);
    headers_[static_cast<std::size_t>(col)]->setLook(
        picture, model_->headerData(col, Qt::Horizontal, Qt::DisplayRole).toString(), mark);
  }
}

void RomStyleList::onHomeEnd() {
  StepHomeEnd(*homeEnd_, model_->rowCount(), [this](int row) { grid_->scrollToTopRow(row); });
}

void RomStyleList::onClearFilter() {
  filterChangeEnabled_ = false;
  ClearFilterBoxes(filters_);
  filterChangeEnabled_ = true;
  Fill_Grid_ROMStyle();
}

}  // namespace tarnwick
