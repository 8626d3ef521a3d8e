// SPDX-License-Identifier: GPL-3.0-or-later
// Positions and sizes are kept in twips (1/1440 inch) as the instrument's tools always did;
// the screen works in pixels. One twip-to-pixel rule for the whole program: 15 twips per pixel.
//
// Qt's widget coordinates are device-independent pixels: on a high-density screen one of them
// covers devicePixelRatio() physical pixels, so a layout in twips keeps its proportions there.
// Drawing into a pixmap needs physical pixels: pass the device pixel ratio.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace tarnwick {

inline constexpr int kTwipsPerPixel = 15;

// Rounds to the nearest pixel (halves away from zero), so that -15..15 twips map symmetrically.
int TwipsToPixels(int twips, double devicePixelRatio = 1.0);
int PixelsToTwips(int pixels, double devicePixelRatio = 1.0);

QSize TwipsToPixels(QSize twips, double devicePixelRatio = 1.0);
QPoint TwipsToPixels(QPoint twips, double devicePixelRatio = 1.0);
QRect TwipsToPixels(const QRect& twips, double devicePixelRatio = 1.0);
QSize PixelsToTwips(QSize pixels, double devicePixelRatio = 1.0);

}  // namespace tarnwick
