// SPDX-License-Identifier: GPL-3.0-or-later
// The program's named pictures and cursors, drawn from the SVG files in its resources
// (":/pictures/<NAME>.svg", ":/cursors/<NAME>.svg").
#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QString>

class QPainter;
class QRectF;

namespace tarnwick {

// Makes the artwork available under ":/pictures/...", ":/cursors/..." and ":/tarnwick.svg" to
// code that reads it by path. The functions below do it themselves.
void EnsureArtwork();

bool PictureExists(const QString& name);

// Draws the picture scaled into `target`; draws nothing and returns false for an unknown name.
bool PaintPicture(QPainter& painter, const QRectF& target, const QString& name);

// The picture as a pixmap of `size` device-independent pixels, sharp on a screen with the given
// device pixel ratio. A null pixmap for an unknown name.
QPixmap PicturePixmap(const QString& name, QSize size, double devicePixelRatio = 1.0);

// "MOUSE_LEFT_ADD", "MOUSE_LEFT_SUB", "MOUSE_LEFT_CLICK": 32 x 32 pointers with the hot spot at
// the arrow's tip. An unknown name gives the normal arrow.
QCursor NamedCursor(const QString& name, double devicePixelRatio = 1.0);

// The program's own icon for its windows.
QIcon ProgramIcon();

}  // namespace tarnwick
