// SPDX-License-Identifier: GPL-3.0-or-later
#include "grid/filter_box.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QProxyStyle>

#include "ui/pictures.h"

namespace tarnwick {
namespace {

const QColor kFocusBackground(255, 255, 255);
const QColor kActiveBackground(255, 255, 0);
const QColor kIdleBackground(192, 216, 215);
constexpr int kWheelStep = 120;

bool CtrlAlone(Qt::KeyboardModifiers modifiers) {
  return (modifiers & ~Qt::KeypadModifier) == Qt::ControlModifier;
}

}  // namespace

// Draws the text caret zero pixels wide while its box asks for it to be hidden. Each box has a
// style of its own, so the flag lives here: the line edit asks for the caret width without
// naming the widget on some Qt versions (6.4 among them).
class CaretStyle : public QProxyStyle {
 public:
  bool hidden = false;

  int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
    if (metric == PM_TextCursorWidth && hidden) return 0;
    return QProxyStyle::pixelMetric(metric, option, widget);
  }
};

FilterBox::FilterBox(FilterRules rules, QWidget* parent)
    : QLineEdit(parent), rules_(std::move(rules)), caretStyle_(new CaretStyle) {
  setObjectName(rules_.objectName);
  setRulesToolTip(rules_.toolTip);
  caretStyle_->setParent(this);
  setStyle(caretStyle_);
  setAlignment(Qt::AlignCenter);
  setAutoFillBackground(true);
  setMouseTracking(true);
  connect(this, &QLineEdit::textChanged, this, &FilterBox::onTextChanged);
  showRestingLook();
}

bool FilterBox::isNumberBox() const { return rules_.isNumber(); }

void FilterBox::setRulesToolTip(const QString& toolTip) {
  rules_.toolTip = toolTip;
  setToolTip(toolTip);
  setAccessibleName(toolTip);
}

bool FilterBox::caretHidden() const { return caretStyle_->hidden; }

void FilterBox::setTextQuietly(const QString& text) {
  quiet_ = true;
  setText(text);
  quiet_ = false;
}

void FilterBox::clearQuietly() {
  setTextQuietly(QString());
  showRestingLook();
}

void FilterBox::onTextChanged(const QString& text) {
  if (quiet_) return;
  const FilterChange change = HandleFilterChange(rules_, text);
  if (change.text != text) setTextQuietly(change.text);
  if (change.refresh) emit refreshRequested();
}

void FilterBox::step(bool up, bool ctrl) {
  if (!isNumberBox()) return;
  setText(up ? StepFilterUp(rules_, text(), ctrl) : StepFilterDown(rules_, text(), ctrl));
}

void FilterBox::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if (isNumberBox() && key == Qt::Key_F1) {
    emit helpRequested();
    return;
  }
  if (isNumberBox() && (key == Qt::Key_Up || key == Qt::Key_Down)) {
    setCaretHidden(true);
    step(key == Qt::Key_Up, CtrlAlone(event->modifiers()));
    return;
  }
  setCaretHidden(false);
  if (handleTyping(event)) QLineEdit::keyPressEvent(event);
}

// Applies the typing rules; false when the key is swallowed.
bool FilterBox::handleTyping(QKeyEvent* event) {
  const int key = event->key();
  if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) return false;
  const QString typed = event->text();
  const bool shortcut = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier);
  if (typed.isEmpty() || shortcut) return true;
  const QChar first = typed.front();
  if (first.category() == QChar::Other_Control && first != u'\b') return true;  // Delete and the like
  switch (JudgeTypedCharacter(rules_, first)) {
    case TypedKey::Refuse:
      return false;
    case TypedKey::AcceptAfterEmptying:
      setTextQuietly(QString());
      return true;
    default:
      return true;
  }
}

void FilterBox::mousePressEvent(QMouseEvent* event) {
  if (!isNumberBox() || event->button() != Qt::LeftButton) {
    QLineEdit::mousePressEvent(event);
    return;
  }
  setFocus(Qt::MouseFocusReason);
  setCursor(NamedCursor(QStringLiteral("MOUSE_LEFT_CLICK"), devicePixelRatioF()));
  const bool rightHalf = event->position().x() >= width() / 2.0;
  step(rightHalf, CtrlAlone(event->modifiers()));
}

void FilterBox::mouseReleaseEvent(QMouseEvent* event) {
  QLineEdit::mouseReleaseEvent(event);
  if (!isNumberBox()) return;
  if (!hasFocus()) setFocus(Qt::MouseFocusReason);
  updatePointer(static_cast<int>(event->position().x()));
}

void FilterBox::mouseMoveEvent(QMouseEvent* event) {
  if (!isNumberBox()) {
    QLineEdit::mouseMoveEvent(event);
    return;
  }
  if (event->buttons() == Qt::NoButton) updatePointer(static_cast<int>(event->position().x()));
}

void FilterBox::updatePointer(int x) {
  if (!hasFocus()) {
    unsetCursor();
    return;
  }
  const bool rightHalf = x >= width() / 2;
  setCursor(NamedCursor(rightHalf ? QStringLiteral("MOUSE_LEFT_ADD") : QStringLiteral("MOUSE_LEFT_SUB"),
                        devicePixelRatioF()));
}

void FilterBox::wheelStep(int delta) {
  wheelRemainder_ += delta;
  while (wheelRemainder_ >= kWheelStep || wheelRemainder_ <= -kWheelStep) {
    const bool up = wheelRemainder_ > 0;
    wheelRemainder_ += up ? -kWheelStep : kWheelStep;
    setCaretHidden(true);
    step(up, false);
  }
}

void FilterBox::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  wheelRemainder_ = 0;
  setLook(kFocusBackground, true);
  emit focusChanged(true);
}

void FilterBox::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  setCaretHidden(false);
  unsetCursor();
  showRestingLook();
  emit focusChanged(false);
}

void FilterBox::leaveEvent(QEvent* event) {
  QLineEdit::leaveEvent(event);
  unsetCursor();
  setCaretHidden(false);
}

void FilterBox::showRestingLook() {
  if (text().isEmpty()) {
    setLook(kIdleBackground, false);
  } else {
    setLook(kActiveBackground, true);
  }
}

void FilterBox::setLook(const QColor& background, bool bold) {
  QPalette colours = palette();
  colours.setColor(QPalette::Base, background);
  colours.setColor(QPalette::Text, Qt::black);
  setPalette(colours);
  QFont typeface = font();
  typeface.setBold(bold);
  setFont(typeface);
}

void FilterBox::setCaretHidden(bool hidden) {
  if (caretStyle_->hidden == hidden) return;
  caretStyle_->hidden = hidden;
  update();
}

}  // namespace tarnwick
