// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/twips.h"

#include <cmath>

namespace tarnwick {

int TwipsToPixels(int twips, double devicePixelRatio) {
  return static_cast<int>(std::lround(twips * devicePixelRatio / kTwipsPerPixel));
}

int PixelsToTwips(int pixels, double devicePixelRatio) {
  return static_cast<int>(std::lround(pixels * kTwipsPerPixel / devicePixelRatio));
}

QSize TwipsToPixels(QSize twips, double devicePixelRatio) {
  return {TwipsToPixels(twips.width(), devicePixelRatio), TwipsToPixels(twips.height(), devicePixelRatio)};
}

QPoint TwipsToPixels(QPoint twips, double devicePixelRatio) {
  return {TwipsToPixels(twips.x(), devicePixelRatio), TwipsToPixels(twips.y(), devicePixelRatio)};
}

QRect TwipsToPixels(const QRect& twips, double devicePixelRatio) {
  return {TwipsToPixels(twips.topLeft(), devicePixelRatio), TwipsToPixels(twips.size(), devicePixelRatio)};
}

QSize PixelsToTwips(QSize pixels, double devicePixelRatio) {
  return {PixelsToTwips(pixels.width(), devicePixelRatio), PixelsToTwips(pixels.height(), devicePixelRatio)};
}

}  // namespace tarnwick
