// SPDX-License-Identifier: GPL-3.0-or-later
#include "upfile/set_list_painter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

namespace tarnwick {
namespace {

constexpr double kPointsPerInch = 72.0;

void PaintPage(QPainter& painter, const SetListPage& page, const SetListLayout& layout) {
  for (const PageBand& band : page.bands) {
    const int level = static_cast<int>(band.gray * 255.0);
    painter.fillRect(QRectF(layout.left, band.top, layout.right - layout.left, band.height), QColor(level, level, level));
  }
  painter.setPen(Qt::black);
  for (const PageText& text : page.texts) {
    QFont font(QStringLiteral("Sans Serif"));
    font.setPointSizeF(text.size);
    font.setBold(text.bold);
    painter.setFont(font);
    const QString shown = QString::fromStdString(text.text);
    const double x = text.alignRight ? text.x - QFontMetricsF(font, painter.device()).horizontalAdvance(shown) : text.x;
    painter.drawText(QPointF(x, text.baseline), shown);
  }
}

}  // namespace

bool PaintSetList(QPagedPaintDevice& device, const SetListLayout& layout) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  // The layout is in points from the paper's corner; the device draws from its printable area.
  const double scale = device.logicalDpiX() / kPointsPerInch;
  const QPageLayout page = device.pageLayout();
  const QRectF margins = page.paintRect(QPageLayout::Point);
  painter.scale(scale, scale);
  painter.translate(-margins.left(), -margins.top());
  for (std::size_t p = 0; p < layout.pages.size(); ++p) {
    if (p > 0 && !device.newPage()) return false;
    PaintPage(painter, layout.pages[p], layout);
  }
  return painter.end();
}

}  // namespace tarnwick
