#include "ui/header_picture.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace tarnwick {
namespace {

constexpr int kMarkWidth = 9;  // room kept for the sort triangle, in pixels

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

void PaintMark(QPainter& painter, const QRectF& slot, SortMark mark) {
  const QPointF centre = slot.center();
  const double half = 3.5;
  QPainterPath triangle;
  if (mark == SortMark::Ascending) {
    triangle.moveTo(centre.x() - half, centre.y() + half / 2);
    triangle.lineTo(centre.x() + half, centre.y() + half / 2);
    triangle.lineTo(centre.x(), centre.y() - half);
  } else {
    triangle.moveTo(centre.x() - half, centre.y() - half / 2);
    triangle.lineTo(centre.x() + half, centre.y() - half / 2);
    triangle.lineTo(centre.x(), centre.y() + half);
  }
  triangle.closeSubpath();
  painter.fillPath(triangle, kMark);
}

}  // namespace

void PaintHeaderPicture(QPainter& painter, const QRect& area, const QString& text, SortMark mark) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  const bool sorted = mark != SortMark::None;
  PaintFace(painter, QRectF(area).adjusted(0.5, 0.5, -0.5, -0.5), sorted);

  QRect textArea = area.adjusted(2, 0, -2, 0);
  if (sorted) {
    const QRect slot(area.right() - kMarkWidth, area.top(), kMarkWidth, area.height());
    PaintMark(painter, slot, mark);
    textArea.setRight(slot.left() - 1);
  }
  QFont font = painter.font();
  font.setBold(sorted);
  painter.setFont(font);
  painter.setPen(kInk);
  const QString shown = QFontMetrics(font).elidedText(text, Qt::ElideRight, textArea.width());
  painter.drawText(textArea, Qt::AlignCenter, shown);
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
