// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing pages needs Qt's GUI layer (fonts); upstool starts it on Qt's offscreen platform, so a
// command that writes a PDF runs without a display.
#pragma once

namespace tarnwick::upstool {

// Starts a QGuiApplication on the offscreen platform unless one runs already. It stays until the
// process ends.
void EnsureOffscreenGui();

}  // namespace tarnwick::upstool
