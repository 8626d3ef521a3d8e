// SPDX-License-Identifier: GPL-3.0-or-later
// Prints laid-out set list pages on any Qt paint device with pages (a printer, a PDF writer).
#pragma once

#include "setlist/set_list_pages.h"

class QPagedPaintDevice;

namespace tarnwick {

// Paints every page of `layout`, in points from the page's top left corner, starting a new page
// of `device` for each after the first. False when the device could not be painted on.
bool PaintSetList(QPagedPaintDevice& device, const SetListLayout& layout);

}  // namespace tarnwick
