// SPDX-License-Identifier: GPL-3.0-or-later
#include "grid/header_picture.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace tarnwick {
namespace {

constexpr int kMarkHeight = 5;       // the strip along the top edge that holds the sort mark
constexpr int kTextMargin = 1;
constexpr double kSmallestPointSize = 6.0;

const QColor kFaceTop(252, 253, 254);
const QColor kFaceBottom(218, 226, 234);
const QColor kSortedTop(214, 232, 247);
const QColor kSortedBottom(184, 210, 234);
const QColor kRim(134, 147, 161);
const QColor kInk(52, 65, 79);
const QColor kMark(47, 109, 181);

void PaintFace(QPainter& painter, const QRectF& face, bool sorted) {
  QLinearGradient fill(face.topLeft(), face.bottomLeft());
  fill.setColorAt(0, sorted ? kSortedTop : kFaceTop);
  fill.setColorAt(1, sorted ? kSortedBottom : kFaceBottom);
  painter.setPen(QPen(kRim, 1));
  painter.setBrush(fill);
  painter.drawRoundedRect(face, 2, 2);
}

void PaintMark(QPainter& painter, const QRect& slot, SortMark mark) {
  const QPointF centre = QRectF(slot).center();
  const double half = 3.0;
  QPainterPath triangle;
  if (mark == SortMark::Ascending) {
    triangle.moveTo(centre.x() - half, centre.y() + half / 2);
    triangle.lineTo(centre.x() + half, centre.y() + half / 2);
    triangle.lineTo(centre.x(), centre.y() - half / 2 - 0.5);
  } else {
    triangle.moveTo(centre.x() - half, centre.y() - half / 2);
    triangle.lineTo(centre.x() + half, centre.y() - half / 2);
    triangle.lineTo(centre.x(), centre.y() + half / 2 + 0.5);
  }
  triangle.closeSubpath();
  painter.fillPath(triangle, kMark);
}

}  // namespace

HeaderFaceLayout LayoutHeaderFace(const QRect& area, const QString& text, SortMark mark, const QFont& font) {
  HeaderFaceLayout layout;
  layout.font = font;
  layout.font.setBold(mark != SortMark::None);
  layout.textArea = area.adjusted(kTextMargin, 0, -kTextMargin, 0);
  if (mark != SortMark::None) {
    layout.markArea = QRect(area.left(), area.top() + 1, area.width(), kMarkHeight);
    layout.textArea.setTop(layout.markArea.bottom() - 1);
  }
  const int room = layout.textArea.width();
  // The fit is judged by the eliding itself, which measures a little more strictly than the
  // advance does.
  while (QFontMetrics(layout.font).elidedText(text, Qt::ElideRight, room) != text) {
    if (layout.font.bold()) {
      layout.font.setBold(false);
    } else if (layout.font.pointSizeF() - 0.5 >= kSmallestPointSize) {
      layout.font.setPointSizeF(layout.font.pointSizeF() - 0.5);
    } else {
      break;
    }
  }
  layout.shownText = QFontMetrics(layout.font).elidedText(text, Qt::ElideRight, room);
  return layout;
}

void PaintHeaderPicture(QPainter& painter, const QRect& area, const QString& text, SortMark mark) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  PaintFace(painter, QRectF(area).adjusted(0.5, 0.5, -0.5, -0.5), mark != SortMark::None);
  const HeaderFaceLayout layout = LayoutHeaderFace(area, text, mark, painter.font());
  if (mark != SortMark::None) PaintMark(painter, layout.markArea, mark);
  painter.setFont(layout.font);
  painter.setPen(kInk);
  painter.drawText(layout.textArea, Qt::AlignCenter, layout.shownText);
  painter.restore();
}

QPixmap HeaderPicture(const QString& text, SortMark mark, QSize size, double devicePixelRatio) {
  QPixmap pixmap(size * devicePixelRatio);
  pixmap.setDevicePixelRatio(devicePixelRatio);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  PaintHeaderPicture(painter, QRect(QPoint(0, 0), size), text, mark);
  return pixmap;
}

}  // namespace tarnwick
