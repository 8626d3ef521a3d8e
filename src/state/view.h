// SPDX-License-Identifier: GPL-3.0-or-later
// The views of the main window; the value is what the "ActiveMenu" setting stores. Plain C++, so
// that the MIDI layer, which routes incoming messages by the visible view, needs no widgets.
#pragma once

namespace tarnwick {

enum class View : int { UPFile = 0, DiskLink = 1, Tone = 2, Keyboard = 3, Stage = 4 };

}  // namespace tarnwick
