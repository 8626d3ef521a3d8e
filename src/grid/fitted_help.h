// SPDX-License-Identifier: GPL-3.0-or-later
// The help window for the short help texts of the grids ("Filter Help"): the window is given its
// least size and grows until every line of its text shows whole, whatever the screen's font.
#pragma once

#include <QSize>
#include <QString>

class QWidget;

namespace tarnwick {

class frmHelp;

// Grows `help` (already given its text and least size) so that its text needs no scrolling and
// no line wraps.
void FitHelpToText(frmHelp& help);

void ShowFittedHelp(QWidget* parent, const QString& caption, QSize leastSizeTwips, const QString& text);

}  // namespace tarnwick
