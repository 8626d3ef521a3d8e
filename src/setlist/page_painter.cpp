// SPDX-License-Identifier: GPL-3.0-or-later
#include "setlist/page_painter.h"

#include <algorithm>
#include <numeric>

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

namespace tarnwick {
namespace {

constexpr double kNormalPoints = 10.5;
constexpr double kLargePoints = 16.0;
constexpr double kTitleScale = 1.3;
constexpr double kRowScale = 1.35;  // row pitch per line height
constexpr int kShadeGray = 232;

QString Shown(const std::string& utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

// Fonts are given in points and measured on the device, so they come out at their size on any
// resolution; every length here is in device units.
struct PageFonts {
  QFont body;
  QFont bold;
  QFont title;
  QFont widest;  // the widest column's cells
};

PageFonts FontsFor(PrintSize size) {
  const double points = size == PrintSize::Large ? kLargePoints : kNormalPoints;
  PageFonts fonts;
  fonts.body.setFamily(QStringLiteral("DejaVu Sans"));
  fonts.body.setStyleHint(QFont::SansSerif);
  fonts.body.setPointSizeF(points);
  fonts.bold = fonts.body;
  fonts.bold.setBold(true);
  fonts.title = fonts.bold;
  fonts.title.setPointSizeF(points * kTitleScale);
  fonts.widest = size == PrintSize::Large ? fonts.bold : fonts.body;
  return fonts;
}

struct ColumnBox {
  double left = 0;
  double width = 0;
};

// Each column as wide as its widest text; the widest column takes the room left over, and when
// the texts do not fit, the other columns give up room first (their texts are then shortened).
std::vector<ColumnBox> PlaceColumns(const PageTable& table, const PageFonts& fonts, QPaintDevice& device, double room) {
  const QFontMetricsF heading(fonts.bold, &device);
  const QFontMetricsF body(fonts.body, &device);
  const QFontMetricsF widest(fonts.widest, &device);
  const double padding = body.averageCharWidth() * 2.0;  // the cell's margins and some room
  std::vector<double> natural;
  std::size_t stretch = 0;
  for (std::size_t c = 0; c < table.columns.size(); ++c) {
    const QFontMetricsF& cells = table.columns[c].widest ? widest : body;
    double width = heading.horizontalAdvance(Shown(table.columns[c].title));
    for (const auto& row : table.rows) {
      if (c < row.size()) width = std::max(width, cells.horizontalAdvance(Shown(row[c])));
    }
    natural.push_back(width + padding);
    if (table.columns[c].widest) stretch = c;
  }
  const double total = std::accumulate(natural.begin(), natural.end(), 0.0);
  const double others = total - (natural.empty() ? 0.0 : natural[stretch]);
  const double keep = total <= room || others <= 0 ? 1.0 : std::max(room * 0.5, room - natural[stretch]) / others;
  std::vector<ColumnBox> boxes(natural.size());
  double left = 0;
  for (std::size_t c = 0; c < natural.size(); ++c) {
    boxes[c] = {left, c == stretch ? 0.0 : natural[c] * keep};
    left += boxes[c].width;
  }
  if (!boxes.empty()) {
    boxes[stretch].width = std::max(0.0, room - left);
    for (std::size_t c = stretch + 1; c < boxes.size(); ++c) boxes[c].left += boxes[stretch].width;
  }
  return boxes;
}

// Where the parts of a page go, from the device's printable area and the fonts.
struct PageFrame {
  double width = 0;
  double titleHeight = 0;
  double headingTop = 0;
  double rowsTop = 0;
  double rowPitch = 0;
  double footerTop = 0;
  int rowsPerPage = 1;
  double padding = 0;
  std::vector<ColumnBox> columns;
};

PageFrame FrameFor(const PageTable& table, const PageFonts& fonts, QPaintDevice& device) {
  PageFrame frame;
  const QFontMetricsF body(fonts.body, &device);
  frame.width = device.width();
  frame.titleHeight = QFontMetricsF(fonts.title, &device).height();
  frame.rowPitch = body.height() * kRowScale;
  frame.headingTop = frame.titleHeight + body.height() * 0.6;
  frame.rowsTop = frame.headingTop + frame.rowPitch + body.height() * 0.25;
  frame.footerTop = device.height() - body.height();
  const double rowsRoom = frame.footerTop - body.height() * 0.6 - frame.rowsTop;
  frame.rowsPerPage = std::max(1, static_cast<int>(rowsRoom / frame.rowPitch));
  frame.padding = body.averageCharWidth() * 0.75;
  frame.columns = PlaceColumns(table, fonts, device, frame.width);
  return frame;
}

class PagePainter {
 public:
  PagePainter(QPainter& painter, const PageTable& table, const PageFonts& fonts, const PageFrame& frame)
      : painter_(painter), table_(table), fonts_(fonts), frame_(frame) {}

  void paintPage(int page, int pageCount) {
    paintHeading();
    const std::size_t first = static_cast<std::size_t>(page) * static_cast<std::size_t>(frame_.rowsPerPage);
    const std::size_t last = std::min(table_.rows.size(), first + static_cast<std::size_t>(frame_.rowsPerPage));
    for (std::size_t r = first; r < last; ++r) paintRow(table_.rows[r], static_cast<int>(r - first));
    painter_.setFont(fonts_.body);
    const QRectF footer(0, frame_.footerTop, frame_.width, frame_.rowPitch);
    painter_.drawText(footer, Qt::AlignLeft | Qt::AlignTop, Shown(table_.title));
    painter_.drawText(footer, Qt::AlignRight | Qt::AlignTop,
                      QStringLiteral("Page %1 of %2").arg(page + 1).arg(pageCount));
  }

 private:
  void paintHeading() {
    painter_.setFont(fonts_.title);
    const QRectF titleLine(0, 0, frame_.width, frame_.titleHeight);
    painter_.drawText(titleLine, Qt::AlignLeft | Qt::AlignVCenter, Shown(table_.title));
    painter_.setFont(fonts_.body);
    painter_.drawText(titleLine, Qt::AlignRight | Qt::AlignVCenter, Shown(table_.date));
    painter_.setFont(fonts_.bold);
    for (std::size_t c = 0; c < table_.columns.size(); ++c) {
      paintCell(c, frame_.headingTop, Shown(table_.columns[c].title));
    }
    const double ruleTop = frame_.headingTop + frame_.rowPitch;
    painter_.fillRect(QRectF(0, ruleTop, frame_.width, frame_.padding * 0.2), Qt::black);
  }

  void paintRow(const std::vector<std::string>& row, int rowOnPage) {
    const double top = frame_.rowsTop + rowOnPage * frame_.rowPitch;
    if (rowOnPage % 2 == 1) {
      painter_.fillRect(QRectF(0, top, frame_.width, frame_.rowPitch), QColor(kShadeGray, kShadeGray, kShadeGray));
    }
    for (std::size_t c = 0; c < table_.columns.size() && c < row.size(); ++c) {
      painter_.setFont(table_.columns[c].widest ? fonts_.widest : fonts_.body);
      paintCell(c, top, Shown(row[c]));
    }
  }

  // A text in its column, shortened with "…" where it does not fit.
  void paintCell(std::size_t column, double top, const QString& text) {
    const ColumnBox& box = frame_.columns[column];
    const QRectF cell(box.left + frame_.padding, top, std::max(0.0, box.width - 2 * frame_.padding), frame_.rowPitch);
    const QFontMetricsF metrics(painter_.font(), painter_.device());
    const QString fitted = metrics.elidedText(text, Qt::ElideRight, cell.width());
    const Qt::Alignment side = table_.columns[column].alignRight ? Qt::AlignRight : Qt::AlignLeft;
    painter_.drawText(cell, side | Qt::AlignVCenter, fitted);
  }

  QPainter& painter_;
  const PageTable& table_;
  const PageFonts& fonts_;
  const PageFrame& frame_;
};

}  // namespace

bool PaintPageTable(QPagedPaintDevice& device, const PageTable& table, PrintSize size) {
  const PageFonts fonts = FontsFor(size);
  const PageFrame frame = FrameFor(table, fonts, device);
  const int rowCount = static_cast<int>(table.rows.size());
  const int pageCount = std::max(1, (rowCount + frame.rowsPerPage - 1) / frame.rowsPerPage);
  QPainter painter;
  if (!painter.begin(&device)) return false;
  painter.setPen(Qt::black);
  PagePainter pages(painter, table, fonts, frame);
  for (int page = 0; page < pageCount; ++page) {
    if (page > 0 && !device.newPage()) return false;
    pages.paintPage(page, pageCount);
  }
  return painter.end();
}

std::string PageTablePdf(const PageTable& table, PaperKind paper, PrintSize size) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setPageSize(QPageSize(paper == PaperKind::Letter ? QPageSize::Letter : QPageSize::A4));
    writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    writer.setResolution(600);
    writer.setTitle(Shown(table.title));
    writer.setCreator(QStringLiteral("Tarnwick"));
    if (!PaintPageTable(writer, table, size)) return {};
  }
  return buffer.data().toStdString();
}

}  // namespace tarnwick
