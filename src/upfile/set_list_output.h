// SPDX-License-Identifier: GPL-3.0-or-later
// Where a set list goes from a window: the printer, or a PDF, CSV or HTML file the player names.
// The UP grids and the Stage view print and export through these, so that both ask the same
// questions and refuse the same targets.
#pragma once

#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "setlist/page_table.h"
#include "setlist/set_list_file.h"

class QWidget;

namespace tarnwick {

class UserDialogs;

// Prints `table` after the print dialog; says so when it could not be printed.
void PrintSetListPages(QWidget* parent, UserDialogs& dialogs, const PageTable& table, PrintSize size);

// The bytes of a set list in the format its file asks for; empty when it cannot be made.
using SetListRenderer = std::function<std::string(SetListFormat format, PaperKind paper)>;

// Asks for the file (`formats`: the dialog's filters), refuses one of `openFiles` and any other
// ending, asks before replacing a file, and writes the bytes whole or not at all.
void ExportSetListFile(UserDialogs& dialogs, const QString& source, const QStringList& formats,
                       const std::vector<std::string>& openFiles, const SetListRenderer& render);

}  // namespace tarnwick
