// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/pictures.h"

#include <map>
#include <memory>

#include <QFile>
#include <QIcon>
#include <QPointF>
#include <QPainter>
#include <QSvgRenderer>

// The artwork is compiled into this static library; registering it by hand keeps the linker
// from dropping it.
static void RegisterArtwork() { Q_INIT_RESOURCE(tarnwick); }

namespace tarnwick {
namespace {

constexpr int kCursorSize = 32;
constexpr QPointF kCursorHotSpot{2.0, 2.0};  // the arrow's tip in the 32 x 32 drawing

QString PicturePath(const QString& name) { return QStringLiteral(":/pictures/") + name + QStringLiteral(".svg"); }
QString CursorPath(const QString& name) { return QStringLiteral(":/cursors/") + name + QStringLiteral(".svg"); }

// One parsed renderer per file, made on first use; nullptr when the file is missing or broken.
QSvgRenderer* Renderer(const QString& path) {
  EnsureArtwork();
  static std::map<QString, std::unique_ptr<QSvgRenderer>> cache;
  auto found = cache.find(path);
  if (found == cache.end()) {
    std::unique_ptr<QSvgRenderer> renderer;
    if (QFile::exists(path)) {
      renderer = std::make_unique<QSvgRenderer>(path);
      if (!renderer->isValid()) renderer.reset();
    }
    found = cache.emplace(path, std::move(renderer)).first;
  }
  return found->second.get();
}

QPixmap RenderPixmap(QSvgRenderer& renderer, QSize size, double devicePixelRatio) {
  QPixmap pixmap(size * devicePixelRatio);
  pixmap.setDevicePixelRatio(devicePixelRatio);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
  return pixmap;
}

}  // namespace

void EnsureArtwork() {
  static const bool registered = (RegisterArtwork(), true);
  (void)registered;
}

bool PictureExists(const QString& name) { return Renderer(PicturePath(name)) != nullptr; }

bool PaintPicture(QPainter& painter, const QRectF& target, const QString& name) {
  QSvgRenderer* renderer = Renderer(PicturePath(name));
  if (renderer == nullptr) return false;
  renderer->render(&painter, target);
  return true;
}

QPixmap PicturePixmap(const QString& name, QSize size, double devicePixelRatio) {
  QSvgRenderer* renderer = Renderer(PicturePath(name));
  return renderer == nullptr ? QPixmap() : RenderPixmap(*renderer, size, devicePixelRatio);
}

QCursor NamedCursor(const QString& name, double devicePixelRatio) {
  QSvgRenderer* renderer = Renderer(CursorPath(name));
  if (renderer == nullptr) return QCursor(Qt::ArrowCursor);
  const QPixmap pixmap = RenderPixmap(*renderer, QSize(kCursorSize, kCursorSize), devicePixelRatio);
  return QCursor(pixmap, static_cast<int>(kCursorHotSpot.x()), static_cast<int>(kCursorHotSpot.y()));
}

QIcon ProgramIcon() {
  QIcon icon;
  QSvgRenderer* renderer = Renderer(QStringLiteral(":/tarnwick.svg"));
  if (renderer == nullptr) return icon;
  for (int side : {16, 24, 32, 48, 64, 128}) icon.addPixmap(RenderPixmap(*renderer, QSize(side, side), 1.0));
  return icon;
}

}  // namespace tarnwick
