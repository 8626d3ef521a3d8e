// SPDX-License-Identifier: GPL-3.0-or-later
#include "setlist/set_list_pages.h"

#include <algorithm>

namespace tarnwick {
namespace {

// The area that fits both papers: A4's width and Letter's height, less the margins.
constexpr double kMargin = 48.0;
constexpr double kLeft = kMargin;
constexpr double kRight = kPaperA4.width - kMargin;
constexpr double kTitleBaseline = kMargin + 14.0;
constexpr double kDateBaseline = kTitleBaseline + 18.0;
constexpr double kHeadingBaseline = kDateBaseline + 28.0;
constexpr double kFirstRowBaseline = kHeadingBaseline + 20.0;
constexpr double kRowPitch = 15.0;
constexpr double kFooterBaseline = kPaperLetter.height - kMargin + 14.0;
constexpr double kTextSize = 10.5;

struct ColumnPlace {
  SetListColumn column;
  double x;
  bool alignRight;
};
// Names, styles and songs are at most 8 characters: each place leaves room for 8 wide capitals.
constexpr ColumnPlace kColumns[] = {
    {SetListColumn::ID, kLeft + 32.0, true},   {SetListColumn::UP, kLeft + 46.0, false},
    {SetListColumn::Name, kLeft + 94.0, false}, {SetListColumn::Style, kLeft + 196.0, false},
    {SetListColumn::Tempo, kLeft + 330.0, true}, {SetListColumn::Song, kLeft + 350.0, false},
};

void AddHeading(SetListPage& page, const SetList& list) {
  page.texts.push_back({kLeft, kTitleBaseline, 14.0, true, false, list.title});
  page.texts.push_back({kLeft, kDateBaseline, 10.0, false, false, list.date});
  for (const ColumnPlace& place : kColumns) {
    page.texts.push_back({place.x, kHeadingBaseline, kTextSize, true, place.alignRight,
                          std::string(SetListColumnTitle(place.column))});
  }
  page.bands.push_back({kHeadingBaseline + 5.0, 0.8, 0.0});
}

void AddRow(SetListPage& page, const SetListEntry& entry, int rowOnPage) {
  const double baseline = kFirstRowBaseline + rowOnPage * kRowPitch;
  if (rowOnPage % 2 == 1) page.bands.push_back({baseline - 11.0, kRowPitch, 0.92});
  for (const ColumnPlace& place : kColumns) {
    page.texts.push_back({place.x, baseline, kTextSize, false, place.alignRight, entry.Text(place.column)});
  }
}

}  // namespace

SetListLayout LayOutSetList(const SetList& list) {
  const int count = static_cast<int>(list.entries.size());
  const int pageCount = std::max(1, (count + kSetListRowsPerPage - 1) / kSetListRowsPerPage);
  SetListLayout layout{kLeft, kRight, std::vector<SetListPage>(static_cast<std::size_t>(pageCount))};
  for (int p = 0; p < pageCount; ++p) {
    SetListPage& page = layout.pages[static_cast<std::size_t>(p)];
    AddHeading(page, list);
    const int first = p * kSetListRowsPerPage;
    const int last = std::min(count, first + kSetListRowsPerPage);
    for (int i = first; i < last; ++i) AddRow(page, list.entries[static_cast<std::size_t>(i)], i - first);
    page.texts.push_back({kLeft, kFooterBaseline, 9.0, false, false,
                          "Page " + std::to_string(p + 1) + " of " + std::to_string(pageCount)});
  }
  return layout;
}

}  // namespace tarnwick
