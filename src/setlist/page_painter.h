// SPDX-License-Identifier: GPL-3.0-or-later
// One page layout for a printed table, drawn with QPainter on any device with pages: a printer
// for Print, a PDF writer for the PDF files. The text stays text, in embedded fonts, so any name
// prints as written.
#pragma once

#include <string>

#include "setlist/page_table.h"

class QPagedPaintDevice;

namespace tarnwick {

// Paints `table` over as many pages of `device` as it needs, within the device's page and
// margins. False when the device could not be painted on.
bool PaintPageTable(QPagedPaintDevice& device, const PageTable& table, PrintSize size);

// The whole PDF file of `table` on `paper`; empty when it could not be made. Needs a
// QGuiApplication (fonts).
std::string PageTablePdf(const PageTable& table, PaperKind paper, PrintSize size);

}  // namespace tarnwick
