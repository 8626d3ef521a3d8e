// SPDX-License-Identifier: GPL-3.0-or-later
// A set list laid out on printed pages, without any drawing: the title and date at the top of
// every page, the column headings, shaded alternate rows, and "Page n of m" at the foot. Sizes
// are in points (1/72 inch) from the top left corner of the page. The content area fits both A4
// and Letter, so one layout prints on either paper.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "setlist/set_list.h"

namespace tarnwick {

struct PaperSize {
  std::string_view name;
  double width;
  double height;
};
inline constexpr PaperSize kPaperA4{"A4", 595.28, 841.89};
inline constexpr PaperSize kPaperLetter{"Letter", 612.0, 792.0};

struct PageText {
  double x;         // left edge, or right edge when `alignRight`
  double baseline;  // from the top of the page
  double size;
  bool bold = false;
  bool alignRight = false;
  std::string text;  // UTF-8
};

// A filled band across the content width (row shading) or a thin rule (height under 1).
struct PageBand {
  double top;
  double height;
  double gray;  // 0 black .. 1 white
};

struct SetListPage {
  std::vector<PageBand> bands;  // drawn first
  std::vector<PageText> texts;
};

struct SetListLayout {
  double left;
  double right;
  std::vector<SetListPage> pages;  // at least one, even for an empty list
};

inline constexpr int kSetListRowsPerPage = 40;

SetListLayout LayOutSetList(const SetList& list);

}  // namespace tarnwick
