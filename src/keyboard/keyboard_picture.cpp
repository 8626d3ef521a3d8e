// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyboard/keyboard_picture.h"

#include <QAbstractButton>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <qdrawutil.h>

#include <algorithm>

#include "keyboard/key_texts.h"
#include "keyboard/keyboard_texts.h"
#include "ui/twips.h"

namespace tarnwick {
namespace {

QColor ToQColor(Rgb rgb) { return QColor(rgb.r, rgb.g, rgb.b); }

// A key as a screen reader sees it: a button named by its note. It draws nothing and lets the
// mouse through to the picture, which plays the key.
class KeyButton : public QAbstractButton {
 public:
  KeyButton(int note, QWidget* parent) : QAbstractButton(parent) {
    const QString name = QString::fromStdString(NoteName(note));
    setObjectName(QStringLiteral("key_") + QString::number(note));
    setText(name);
    setAccessibleName(name);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
  }

 protected:
  void paintEvent(QPaintEvent*) override {}
};

}  // namespace

KeyboardPicture::KeyboardPicture(KeyStates& keys, QWidget* parent) : QWidget(parent), keys_(keys) {
  setObjectName(QStringLiteral("frmKeyboard_m"));
  setAccessibleName(QStringLiteral("Keyboard"));
  setAttribute(Qt::WA_OpaquePaintEvent);
  for (std::size_t i = 0; i < zoneLabels_.size(); ++i) {
    auto* label = new QLabel(QString::fromLatin1(kZoneLabels[i]), this);
    label->setObjectName(QStringLiteral("lbl_Kb_Zones_%1").arg(i));
    label->setAlignment(Qt::AlignCenter);
    label->setFrameShape(QFrame::Box);
    QFont small = label->font();
    small.setPointSizeF(small.pointSizeF() * 0.8);
    label->setFont(small);
    zoneLabels_[i] = label;
  }
  for (int note = 0; note < kKeyCount; ++note) keyButtons_[static_cast<std::size_t>(note)] = new KeyButton(note, this);
  frame_.setSingleShot(true);
  frame_.setInterval(kFrameMs);
  connect(&frame_, &QTimer::timeout, this, &KeyboardPicture::flushFrame);
  drawKeyboard(kDefaultWhiteKeyPixels);
}

void KeyboardPicture::drawKeyboard(int whiteKeyPixels) {
  layout_ = LayoutKeyboard(whiteKeyPixels);
  setFixedSize(TwipsToPixels(layout_.pictureWidth), TwipsToPixels(kZoneLabelTop) + zoneLabelHeight());
  placeZoneLabels();
  placeKeyButtons();
  update();
}

void KeyboardPicture::placeZoneLabels() {
  for (std::size_t i = 0; i < zoneLabels_.size(); ++i) {
    const int left = TwipsToPixels(layout_.zoneEdges[i]);
    zoneLabels_[i]->setGeometry(left, TwipsToPixels(kZoneLabelTop), TwipsToPixels(layout_.zoneEdges[i + 1]) - left,
                                zoneLabelHeight());
  }
}

// Black keys lie over the white ones, as on the picture.
void KeyboardPicture::placeKeyButtons() {
  for (const bool black : {false, true}) {
    for (int note = 0; note < kKeyCount; ++note) {
      if (layout_.keys[note].black != black) continue;
      QWidget* button = keyButtons_[static_cast<std::size_t>(note)];
      button->setGeometry(keyRect(note));
      button->raise();
    }
  }
}

// Three pixels (45 twips) hold no readable text: the labels are as high as their text needs.
int KeyboardPicture::zoneLabelHeight() const {
  return std::max(TwipsToPixels(kZoneLabelHeight), zoneLabels_[0]->fontMetrics().height() + 2);
}

QRect KeyboardPicture::keyRect(int note) const {
  if (note < 0 || note >= kKeyCount) return {};
  const KeyRect& key = layout_.keys[note];
  return TwipsToPixels(QRect(key.left, 0, key.width, key.height));
}

QPoint KeyboardPicture::keyPoint(int note, double y) const {
  const QRect rect = keyRect(note);
  return {rect.center().x(), rect.top() + static_cast<int>(y * rect.height() / kKeyScaleUnits)};
}

void KeyboardPicture::keysChanged() {
  if (!frame_.isActive()) frame_.start();
}

void KeyboardPicture::flushFrame() {
  frame_.stop();
  const std::bitset<kKeyCount> changed = keys_.takeChanged();
  QRegion region;
  for (int note = 0; note < kKeyCount; ++note) {
    if (changed.test(static_cast<std::size_t>(note))) region += keyRect(note);
  }
  if (!region.isEmpty()) repaint(region);
  ++framesPainted_;
  emit framePainted();
}

void KeyboardPicture::paintKey(QPainter& painter, int note) const {
  const QRect rect = keyRect(note);
  const QColor fill = ToQColor(keys_.colorOf(note));
  if (keys_.lit(note)) {
    qDrawShadePanel(&painter, rect, palette(), false, 2, nullptr);
    painter.fillRect(rect.adjusted(2, 2, -2, -2), fill);
  } else {
    painter.fillRect(rect, fill);
    painter.setPen(Qt::black);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
  }
}

void KeyboardPicture::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.fillRect(event->rect(), palette().window());
  for (const bool black : {false, true}) {
    for (int note = 0; note < kKeyCount; ++note) {
      if (layout_.keys[note].black == black && event->region().intersects(keyRect(note))) paintKey(painter, note);
    }
  }
}

void KeyboardPicture::mousePressEvent(QMouseEvent* event) {
  const QPoint pixels = event->position().toPoint();
  const QPoint twips(PixelsToTwips(pixels.x()), PixelsToTwips(pixels.y()));
  const int note = KeyAt(layout_, twips.x(), twips.y());
  if (note < 0) return;
  const double y = static_cast<double>(twips.y()) * kKeyScaleUnits / layout_.keys[note].height;
  emit keyPressed(note, y, static_cast<int>(event->button()));
}

void KeyboardPicture::mouseReleaseEvent(QMouseEvent* event) { emit buttonReleased(static_cast<int>(event->button())); }

// A double click is two presses for a player: the second press plays again.
void KeyboardPicture::mouseDoubleClickEvent(QMouseEvent* event) { mousePressEvent(event); }

}  // namespace tarnwick
