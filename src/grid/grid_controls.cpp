// SPDX-License-Identifier: GPL-3.0-or-later
#include "grid/grid_controls.h"

#include <QMouseEvent>

#include "ui/image_button.h"

namespace tarnwick {
namespace {

const QColor kIdlePlate(192, 192, 192);
const QColor kPressedPlate(0, 0, 255);
constexpr int kPlateRim = 2;

}  // namespace

RowCounter::RowCounter(const QString& plateName, const QString& labelName, QSize size, QWidget* parent)
    : QLabel(parent), label_(new QLabel(this)) {
  setObjectName(plateName);
  setAutoFillBackground(true);
  setFixedSize(size);
  setPressedLook(false);
  label_->setObjectName(labelName);
  label_->setAlignment(Qt::AlignCenter);
  label_->setGeometry(kPlateRim, kPlateRim, size.width() - 2 * kPlateRim, size.height() - 2 * kPlateRim);
  label_->installEventFilter(this);
  installEventFilter(this);
}

void RowCounter::showRows(int rows, const QString& toolTip) {
  label_->setText(QString::number(rows));
  label_->setToolTip(toolTip);
  label_->setAccessibleName(toolTip.isEmpty() ? label_->text() : toolTip);
}

bool RowCounter::eventFilter(QObject* watched, QEvent* event) {
  const bool press = event->type() == QEvent::MouseButtonPress;
  if ((watched != label_ && watched != this) || !(press || event->type() == QEvent::MouseButtonRelease)) {
    return QLabel::eventFilter(watched, event);
  }
  if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton) return true;
  setPressedLook(press);
  if (press) emit pressed();
  return true;
}

void RowCounter::setPressedLook(bool pressed) {
  QPalette colours = palette();
  colours.setColor(QPalette::Window, pressed ? kPressedPlate : kIdlePlate);
  setPalette(colours);
}

void StepHomeEnd(ImageButton& button, int rows, const std::function<void(int row)>& scrollToTopRow) {
  if (rows == 0) return;
  const bool toEnd = button.pictureName() == QLatin1String("TO_END");
  scrollToTopRow(toEnd ? rows - 1 : 0);
  const QString picture = toEnd ? QStringLiteral("TO_HOME") : QStringLiteral("TO_END");
  button.setProperty("tag", picture);
  button.setPictureName(picture);
  button.setToolTip(toEnd ? QStringLiteral("Go to Home") : QStringLiteral("Go to End"));
  button.setAccessibleName(button.toolTip());
}

}  // namespace tarnwick
