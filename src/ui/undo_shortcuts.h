// SPDX-License-Identifier: GPL-3.0-or-later
// The undo and redo keys of a window: Ctrl+Z undoes, Ctrl+Shift+Z and Ctrl+Y redo, while the
// keyboard is anywhere inside `host`. A text box with the focus keeps these keys for its own
// typing, and a pop-up is a window of its own, so neither ever undoes a file change.
#pragma once

#include <functional>

class QWidget;

namespace tarnwick {

void AddUndoShortcuts(QWidget* host, const std::function<void()>& undo, const std::function<void()>& redo);

}  // namespace tarnwick
