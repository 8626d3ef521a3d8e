// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/form_helpers.h"

#include <QHBoxLayout>
#include <QLineEdit>

#include "ui/image_button.h"

namespace tarnwick {

QHBoxLayout* TightRow(QWidget* host, int spacing) {
  auto* layout = new QHBoxLayout(host);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(spacing);
  return layout;
}

QLineEdit* ReadOnlyBox(const QString& name, const QString& toolTip, int width, QWidget* parent) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(name);
  box->setToolTip(toolTip);
  box->setAccessibleName(toolTip);
  box->setReadOnly(true);
  box->setFocusPolicy(Qt::NoFocus);
  box->setFixedWidth(width);
  return box;
}

ImageButton* PictureButton(const QString& name, const QString& picture, const QString& toolTip, int size,
                           QWidget* parent) {
  auto* button = new ImageButton(picture, parent);
  button->setObjectName(name);
  button->setToolTip(toolTip);
  button->setAccessibleName(toolTip);
  button->setFixedSize(size, size);
  return button;
}

}  // namespace tarnwick
