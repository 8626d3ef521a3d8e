// SPDX-License-Identifier: GPL-3.0-or-later
// A small PDF writer for laid-out set list pages: real text in the standard Helvetica faces
// (nothing embedded, so the file stays small and its text can be searched and copied).
#pragma once

#include <string>

#include "setlist/set_list_pages.h"

namespace tarnwick {

// The whole PDF file for `layout` on paper `paper`; `title` goes into the document information.
std::string MakeSetListPdf(const SetListLayout& layout, const PaperSize& paper, const std::string& title);

}  // namespace tarnwick
