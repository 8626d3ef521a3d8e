// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the program's SVG icon to square PNG files for the icon theme folders:
//   tarnwick-iconpng ICON.svg OUTDIR NAME SIZE...   writes OUTDIR/SIZE/NAME.png for each SIZE
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

namespace {

bool RenderIcon(QSvgRenderer& renderer, int size, const QString& path) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  renderer.render(&painter);
  painter.end();
  return QDir().mkpath(QFileInfo(path).path()) && image.save(path, "PNG");
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QStringList args = QGuiApplication::arguments();
  if (args.size() < 5) {
    std::fputs("usage: tarnwick-iconpng ICON.svg OUTDIR NAME SIZE...\n", stderr);
    return 2;
  }
  QSvgRenderer renderer(args[1]);
  if (!renderer.isValid()) {
    std::fprintf(stderr, "tarnwick-iconpng: cannot read %s\n", qPrintable(args[1]));
    return 1;
  }
  for (qsizetype i = 4; i < args.size(); ++i) {
    bool isNumber = false;
    const int size = args[i].toInt(&isNumber);
    const QString path = QStringLiteral("%1/%2/%3.png").arg(args[2], args[i], args[3]);
    if (!isNumber || size <= 0 || !RenderIcon(renderer, size, path)) {
      std::fprintf(stderr, "tarnwick-iconpng: cannot write %s\n", qPrintable(path));
      return 1;
    }
  }
  return 0;
}
