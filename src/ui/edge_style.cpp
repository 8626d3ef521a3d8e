// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/edge_style.h"

#include <QEvent>
#include <QFrame>
#include <QPainter>
#include <QWidget>
#include <qdrawutil.h>

namespace tarnwick {
namespace {

// The drawn edge: a transparent child laid over the whole widget, painting only its border.
// It also keeps what the widget looked like before it was styled.
class EdgeOverlay : public QWidget {
 public:
  explicit EdgeOverlay(QWidget* host) : QWidget(host), host_(host) {
    setObjectName(QStringLiteral("EdgeOverlay"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    savedMargins_ = host->contentsMargins();
    if (auto* frame = qobject_cast<QFrame*>(host)) {
      savedFrameStyle_ = frame->frameStyle();
      savedLineWidth_ = frame->lineWidth();
      savedMidLineWidth_ = frame->midLineWidth();
    }
    setGeometry(host->rect());
    host->installEventFilter(this);
    show();
  }

  int style() const { return style_; }

  void setStyle(int style) {
    style_ = style;
    if (auto* frame = qobject_cast<QFrame*>(host_)) frame->setFrameStyle(QFrame::NoFrame);
    const int width = EdgeWidth(style);
    host_->setContentsMargins(savedMargins_ + QMargins(width, width, width, width));
    raise();
    update();
  }

  void restoreHost() {
    host_->removeEventFilter(this);
    if (auto* frame = qobject_cast<QFrame*>(host_)) {
      frame->setFrameStyle(savedFrameStyle_);
      frame->setLineWidth(savedLineWidth_);
      frame->setMidLineWidth(savedMidLineWidth_);
    }
    host_->setContentsMargins(savedMargins_);
    host_->update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    PaintEdge(painter, rect(), host_->palette(), style_);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == host_) {
      if (event->type() == QEvent::Resize) setGeometry(host_->rect());
      if (event->type() == QEvent::ChildAdded) raise();  // stay above the widget's own children
    }
    return false;
  }

 private:
  QWidget* host_;
  int style_ = 0;
  QMargins savedMargins_;
  int savedFrameStyle_ = 0;
  int savedLineWidth_ = 1;
  int savedMidLineWidth_ = 0;
};

EdgeOverlay* OverlayOf(const QWidget* widget) {
  if (widget == nullptr) return nullptr;
  const auto children = widget->findChildren<QWidget*>(QStringLiteral("EdgeOverlay"), Qt::FindDirectChildrenOnly);
  for (QWidget* child : children) {
    if (auto* overlay = dynamic_cast<EdgeOverlay*>(child)) return overlay;
  }
  return nullptr;
}

}  // namespace

int EdgeWidth(int style) {
  switch (style) {
    case 1: case 3: case 5: case 6: return 2;
    case 2: case 4: return 1;
    default: return 0;
  }
}

void PaintEdge(QPainter& painter, const QRect& area, const QPalette& palette, int style) {
  const QRect inner = area.adjusted(1, 1, -1, -1);
  switch (style) {
    case 1: qDrawWinPanel(&painter, area, palette, true); break;
    case 2: qDrawShadePanel(&painter, area, palette, true, 1); break;
    case 3: qDrawWinPanel(&painter, area, palette, false); break;
    case 4: qDrawShadePanel(&painter, area, palette, false, 1); break;
    case 5:
      qDrawShadePanel(&painter, area, palette, false, 1);
      qDrawShadePanel(&painter, inner, palette, true, 1);
      break;
    case 6:
      qDrawShadePanel(&painter, area, palette, true, 1);
      qDrawShadePanel(&painter, inner, palette, false, 1);
      break;
    default: break;
  }
}

bool ApplyEdge(QWidget* widget, int style) {
  if (widget == nullptr) return false;
  EdgeOverlay* overlay = OverlayOf(widget);
  if (overlay == nullptr) overlay = new EdgeOverlay(widget);
  overlay->setStyle(style);
  return true;
}

bool RemoveEdge(QWidget* widget) {
  EdgeOverlay* overlay = OverlayOf(widget);
  if (overlay == nullptr) return false;
  overlay->restoreHost();
  delete overlay;
  return true;
}

int AppliedEdge(const QWidget* widget) {
  const EdgeOverlay* overlay = OverlayOf(widget);
  return overlay == nullptr ? -1 : overlay->style();
}

}  // namespace tarnwick
