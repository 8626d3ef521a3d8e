// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/accessible_names.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QHash>
#include <QRegularExpression>
#include <QVariant>

namespace tarnwick {
namespace {

constexpr char kNamedMark[] = "tarnwickNamedByToolTip";

// Lives as a child of the control it names and follows that control's tool tip.
class ToolTipNamer : public QObject {
 public:
  explicit ToolTipNamer(QWidget* control) : QObject(control), control_(control) {
    control->installEventFilter(this);
    follow();
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == control_ && event->type() == QEvent::ToolTipChange) follow();
    return false;
  }

 private:
  void follow() { control_->setAccessibleName(control_->toolTip()); }

  QWidget* control_;
};

bool IsControl(const QWidget* widget) {
  return qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QLineEdit*>(widget) ||
         qobject_cast<const QAbstractSpinBox*>(widget) || qobject_cast<const QComboBox*>(widget) ||
         qobject_cast<const QAbstractSlider*>(widget) || qobject_cast<const QAbstractItemView*>(widget);
}

bool HasCaption(const QWidget* widget) {
  const auto* button = qobject_cast<const QAbstractButton*>(widget);
  return button != nullptr && !button->text().trimmed().isEmpty();
}

// The caption of the label that points at each widget, without its access key mark.
QHash<const QWidget*, QString> Captions(const QWidget* window) {
  QHash<const QWidget*, QString> captions;
  for (const QLabel* label : window->findChildren<QLabel*>()) {
    if (label->buddy() == nullptr) continue;
    QString caption = label->text();
    caption.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    captions.insert(label->buddy(), caption.trimmed());
  }
  return captions;
}

}  // namespace

void NameByToolTip(QWidget* control) {
  if (control->property(kNamedMark).toBool()) return;
  control->setProperty(kNamedMark, true);
  new ToolTipNamer(control);
}

void NameCaptionlessControls(QWidget* window) {
  const QHash<const QWidget*, QString> captions = Captions(window);
  QList<QWidget*> widgets = window->findChildren<QWidget*>();
  widgets.prepend(window);
  for (QWidget* widget : widgets) {
    if (!IsControl(widget) || !widget->accessibleName().isEmpty() || HasCaption(widget)) continue;
    // Qt says a label's caption for a box but not for a list, so the caption is set for both.
    if (const auto caption = captions.constFind(widget); caption != captions.constEnd()) {
      widget->setAccessibleName(*caption);
    } else {
      NameByToolTip(widget);
    }
  }
}

}  // namespace tarnwick
