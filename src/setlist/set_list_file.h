// SPDX-License-Identifier: GPL-3.0-or-later
// A set list as a file: the format a file name asks for, and the bytes of that file.
#pragma once

#include <string>

#include "setlist/page_table.h"
#include "setlist/set_list.h"

namespace tarnwick {

enum class SetListFormat { None, Csv, Html, Pdf };
// The format a file name asks for by its ending (".pdf", ".csv", ".html" or ".htm", any case).
SetListFormat SetListFormatOf(const std::string& utf8Path);
// The whole file of `list` in `format` (empty for None, or when no PDF could be made). A PDF
// needs a QGuiApplication.
std::string RenderSetList(const SetList& list, SetListFormat format, PaperKind paper, PrintSize size);

}  // namespace tarnwick
