// SPDX-License-Identifier: GPL-3.0-or-later
// Sizes and places of the main window and its views, worked out in twips and handed back in
// pixels. The views have a fixed size; the main window centres them when it has room.
#pragma once

#include <array>

#include <QRect>
#include <QSize>

namespace tarnwick {

struct MainWindowPlace {
  QRect geometry;  // outer, in pixels; the size to restore to when maximized
  bool maximized = false;
};

// Left and top at 10 % of the screen. A screen wider than 1024 pixels gets a normal window of
// 15510 x 11240 twips; a smaller one a maximized window, 80 % of the screen when restored.
MainWindowPlace MainWindowPlacement(QSize screen);

// Whether the main window (outer size) has room to centre the views: wider than 15360 and
// higher than 11220 twips.
bool RoomToCentreViews(QSize mainOuter);

// The place of a view window (15300 x 10380 twips) in the main window's client area: centred
// when there is room, else at the client area's top left corner.
QRect FitChildRect(QSize mainOuter, QSize client);

// The three windows of the Tone view side by side: tones and drum sets 5700 twips wide, the
// program change monitor 3900, all 10380 high. The block is centred when there is room (each
// window centred vertically), else placed at the top left. A window whose controls need more
// width than that (`leastWidths`, pixels: a longer name in the loaded list) gets what it needs,
// and the windows after it move on by as much; where the block is then wider than `client`, the
// monitor narrows down to its own least width.
std::array<QRect, 3> ToneWindowRects(QSize mainOuter, QSize client, std::array<int, 3> leastWidths = {});

}  // namespace tarnwick
