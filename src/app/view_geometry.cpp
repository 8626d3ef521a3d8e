// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/view_geometry.h"

#include <algorithm>

#include "ui/twips.h"

namespace tarnwick {
namespace {

constexpr int kWideScreenTwips = 15360;
constexpr QSize kMainWindowTwips{15510, 11240};
constexpr double kScreenMargin = 0.10;
constexpr double kSmallScreenShare = 0.80;

constexpr QSize kViewTwips{15300, 10380};
constexpr int kCentringWidthTwips = 15360;
constexpr int kCentringHeightTwips = 11220;
constexpr std::array<int, 3> kToneWidthsTwips{5700, 5700, 3900};

int Share(int pixels, double share) { return static_cast<int>(pixels * share + 0.5); }

// Centres `length` in `room`, but never pushes the start out of sight.
int CentredStart(int room, int length) { return std::max(0, (room - length) / 2); }

}  // namespace

MainWindowPlace MainWindowPlacement(QSize screen) {
  MainWindowPlace place;
  const QPoint topLeft(Share(screen.width(), kScreenMargin), Share(screen.height(), kScreenMargin));
  if (PixelsToTwips(screen.width()) > kWideScreenTwips) {
    place.geometry = QRect(topLeft, TwipsToPixels(kMainWindowTwips));
  } else {
    place.geometry = QRect(topLeft, QSize(Share(screen.width(), kSmallScreenShare),
                                          Share(screen.height(), kSmallScreenShare)));
    place.maximized = true;
  }
  return place;
}

bool RoomToCentreViews(QSize mainOuter) {
  const QSize outer = PixelsToTwips(mainOuter);
  return outer.width() > kCentringWidthTwips && outer.height() > kCentringHeightTwips;
}

QRect FitChildRect(QSize mainOuter, QSize client) {
  const QSize view = TwipsToPixels(kViewTwips);
  if (!RoomToCentreViews(mainOuter)) return QRect(QPoint(0, 0), view);
  return QRect(QPoint(CentredStart(client.width(), view.width()), CentredStart(client.height(), view.height())),
               view);
}

std::array<QRect, 3> ToneWindowRects(QSize mainOuter, QSize client, std::array<int, 3> leastWidths) {
  const bool centred = RoomToCentreViews(mainOuter);
  const int height = TwipsToPixels(kViewTwips.height());
  std::array<int, 3> widths{};
  int blockWidth = 0;
  for (std::size_t i = 0; i < widths.size(); ++i) {
    widths[i] = std::max(TwipsToPixels(kToneWidthsTwips[i]), leastWidths[i]);
    blockWidth += widths[i];
  }
  // Wider than the room: the monitor, whose place has room to spare, gives it back first.
  const int spare = std::min(blockWidth - client.width(), widths[2] - leastWidths[2]);
  if (leastWidths[2] > 0 && spare > 0) {
    widths[2] -= spare;
    blockWidth -= spare;
  }
  blockWidth = std::max(blockWidth, TwipsToPixels(kViewTwips.width()));
  const int blockLeft = centred ? CentredStart(client.width(), blockWidth) : 0;
  const int top = centred ? CentredStart(client.height(), height) : 0;
  std::array<QRect, 3> rects;
  int left = blockLeft;
  for (std::size_t i = 0; i < rects.size(); ++i) {
    rects[i] = QRect(left, top, widths[i], height);
    left += widths[i];
  }
  return rects;
}

}  // namespace tarnwick
