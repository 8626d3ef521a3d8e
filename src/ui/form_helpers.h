// SPDX-License-Identifier: GPL-3.0-or-later
// Small builders the windows share for their rows of controls.
#pragma once

#include <QString>

class QHBoxLayout;
class QLineEdit;
class QWidget;

namespace tarnwick {

class ImageButton;

// A row without margins around its controls.
QHBoxLayout* TightRow(QWidget* host, int spacing = 2);

// A read-out box: read-only, never focused, named for screen readers by its tooltip.
QLineEdit* ReadOnlyBox(const QString& name, const QString& toolTip, int width, QWidget* parent);

// A square picture button named `name`, with its tooltip as its accessible name.
ImageButton* PictureButton(const QString& name, const QString& picture, const QString& toolTip, int size,
                           QWidget* parent);

}  // namespace tarnwick
