// SPDX-License-Identifier: GPL-3.0-or-later
// Drawn 3-D edges for any widget: a 1- or 2-pixel frame in one of six styles, painted over the
// widget's border with Qt's own shade drawing. The keyboard view frames its panels with it.
//
//   0  nothing                          4  raised inner line (1 pixel)
//   1  sunken, double (2 pixels)        5  bump: raised outer, sunken inner (2 pixels)
//   2  sunken outer line (1 pixel)      6  etched: sunken outer, raised inner (2 pixels)
//   3  raised, double (2 pixels)        any other value: as 0
#pragma once

class QPainter;
class QPalette;
class QRect;
class QWidget;

namespace tarnwick {

// The frame width a style reserves on each side, in pixels.
int EdgeWidth(int style);

// Draws the edge of `style` on the four sides of `area`.
void PaintEdge(QPainter& painter, const QRect& area, const QPalette& palette, int style);

// Gives `widget` the edge: a widget's own frame (QFrame) is switched off and its contents move
// in by the edge width. Applying again changes the style; what the widget looked like before
// the first call is kept for RemoveEdge. False only when there is no widget.
bool ApplyEdge(QWidget* widget, int style);

// Restores the frame and margins the widget had before the first ApplyEdge. False when the
// widget has no edge.
bool RemoveEdge(QWidget* widget);

// The style last applied, or -1 when the widget has no edge.
int AppliedEdge(const QWidget* widget);

}  // namespace tarnwick
