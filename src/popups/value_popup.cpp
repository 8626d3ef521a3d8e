// SPDX-License-Identifier: GPL-3.0-or-later
#include "popups/value_popup.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/twips.h"

namespace tarnwick {

QColor ToneColor(PopupTone tone) {
  switch (tone) {
    case PopupTone::Acceptable: return QColor(0, 0, 255);
    case PopupTone::Refused: return QColor(255, 0, 0);
    case PopupTone::Unchanged: break;
  }
  return QColor(0, 0, 0);
}

QRect FitTextHeight(const QRect& cell, int textHeight) {
  // Room for the rim and the text box's insets around one line of text.
  constexpr int kInsets = 8;
  const int needed = textHeight + kInsets;
  if (cell.height() >= needed) return cell;
  QRect grown = cell;
  grown.setTop(cell.top() - (needed - cell.height()) / 2);
  grown.setHeight(needed);
  return grown;
}

PopupPlace ScreenPlaceOf(const QWidget* widget, const QRect& rect) {
  const QPoint topLeft = widget->mapToGlobal(rect.topLeft());
  return PopupPlace{PixelsToTwips(topLeft.y()), PixelsToTwips(topLeft.x()),
                    PixelsToTwips(rect.height()), PixelsToTwips(rect.width())};
}

ValuePopup::ValuePopup(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      editor_(new QLineEdit(this)),
      ok_(new QPushButton(QStringLiteral("Enter"), this)),
      cancel_(new QPushButton(QStringLiteral("Cancel"), this)) {
  setModal(true);
  setAutoFillBackground(true);
  editor_->setObjectName(QStringLiteral("txt_Editor"));
  editor_->setFrame(false);
  editor_->installEventFilter(this);
  ok_->setObjectName(QStringLiteral("cmd_OK"));
  cancel_->setObjectName(QStringLiteral("cmd_Cancel"));
  // The buttons only take Enter and Escape; the pop-up covers exactly its cell.
  ok_->setAutoDefault(false);
  cancel_->setAutoDefault(false);
  ok_->hide();
  cancel_->hide();
  connect(ok_, &QPushButton::clicked, this, [this] {
    takeResult();
    accept();
  });
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
  connect(editor_, &QLineEdit::textChanged, this, [this] {
    if (!checking_) runCheck();
  });
}

void ValuePopup::prepare(const PopupPlace& place, const QColor& fill, const QString& fieldName,
                         const QString& text, Qt::Alignment alignment) {
  openedOver_ = FitTextHeight(TwipsToPixels(QRect(place.left, place.top, place.width, place.height)),
                              editor_->fontMetrics().height());
  setGeometry(openedOver_);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, fill);
  setPalette(pal);
  editor_->setAccessibleName(fieldName);
  editor_->setAlignment(alignment | Qt::AlignVCenter);
  checking_ = true;
  editor_->setText(text);
  checking_ = false;
  wasActive_ = false;
}

void ValuePopup::setEditorInset(int leftTwips, int topTwips, int widthLessTwips,
                                int heightLessTwips) {
  editorInset_ = QRect(leftTwips, topTwips, widthLessTwips, heightLessTwips);
  layOutInsets();
}

void ValuePopup::useRimLabel(int insetTwips) {
  if (rimLabel_ == nullptr) {
    rimLabel_ = new QLabel(this);
    rimLabel_->setObjectName(QStringLiteral("lbl_Editor"));
    rimLabel_->setAutoFillBackground(true);
    rimLabel_->lower();
  }
  rimInset_ = insetTwips;
  layOutInsets();
}

void ValuePopup::layOutInsets() {
  editor_->setGeometry(TwipsToPixels(editorInset_.left()), TwipsToPixels(editorInset_.top()),
                       qMax(1, width() - TwipsToPixels(editorInset_.width())),
                       qMax(1, height() - TwipsToPixels(editorInset_.height())));
  if (rimLabel_ == nullptr || rimInset_ < 0) return;
  const int inset = TwipsToPixels(rimInset_);
  rimLabel_->setGeometry(inset, inset, qMax(1, width() - 2 * inset), qMax(1, height() - 2 * inset));
}

namespace {

// A line edit keeps a margin of 2 pixels on each side of its text and needs one for the caret.
constexpr int kLineEditTextMargins = 2 * 2 + 2;

int TextWidthNeeded(const QLineEdit& editor) {
  const QMargins margins = editor.textMargins();
  return editor.fontMetrics().horizontalAdvance(editor.text()) + kLineEditTextMargins + margins.left() +
         margins.right();
}

}  // namespace

void ValuePopup::growToFitText() {
  const int wanted = qMax(openedOver_.width(), TextWidthNeeded(*editor_) + width() - editor_->width());
  if (wanted == width()) return;
  QRect place = openedOver_;
  const Qt::Alignment alignment = editor_->alignment();
  if (alignment & Qt::AlignRight) {
    place.setLeft(openedOver_.right() + 1 - wanted);
  } else if (alignment & Qt::AlignHCenter) {
    place.setLeft(openedOver_.center().x() - wanted / 2);
  }
  place.setWidth(wanted);
  setGeometry(place);
  layOutInsets();
}

void ValuePopup::finishOpening() {
  runCheck();
  putCaretAtEnd();
}

void ValuePopup::putCaretAtEnd() {
  editor_->setFocus(Qt::OtherFocusReason);
  editor_->deselect();
  editor_->end(false);
}

void ValuePopup::setVisible(bool visible) {
  QDialog::setVisible(visible);
  // Showing a dialog focuses its first box as if by Tab, which selects the whole text; the
  // caret belongs behind the last character instead.
  if (visible) putCaretAtEnd();
}

void ValuePopup::applyVerdict(const PopupVerdict& verdict) {
  if (verdict.replacementText) {
    checking_ = true;
    editor_->setText(*verdict.replacementText);
    editor_->end(false);
    checking_ = false;
  }
  growToFitText();
  ok_->setEnabled(verdict.acceptEnabled);
  const QColor colour = ToneColor(verdict.tone);
  QPalette pal = editor_->palette();
  pal.setColor(QPalette::Text, colour);
  editor_->setPalette(pal);
  editor_->setToolTip(verdict.toolTip);
  setRimColor(colour);
}

void ValuePopup::setRimColor(const QColor& colour) {
  QWidget* rim = rimLabel_ != nullptr ? static_cast<QWidget*>(rimLabel_) : this;
  QPalette pal = rim->palette();
  pal.setColor(QPalette::Window, colour);
  rim->setPalette(pal);
}

QColor ValuePopup::rimColor() const {
  const QWidget* rim = rimLabel_ != nullptr ? static_cast<const QWidget*>(rimLabel_) : this;
  return rim->palette().color(QPalette::Window);
}

QColor ValuePopup::textColor() const { return editor_->palette().color(QPalette::Text); }

QColor ValuePopup::fillColor() const { return palette().color(QPalette::Window); }

void ValuePopup::tryAccept() {
  if (!ok_->isEnabled()) {
    QApplication::beep();
    emit refused();
    return;
  }
  ok_->click();
}

void ValuePopup::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      tryAccept();
      return;
    case Qt::Key_Escape:
      cancel_->click();
      return;
    default:
      QDialog::keyPressEvent(event);
  }
}

void ValuePopup::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() != QEvent::ActivationChange) return;
  if (isActiveWindow()) {
    wasActive_ = true;
  } else if (wasActive_ && isVisible()) {
    // Clicking elsewhere ends the edit as cancelled.
    cancel_->click();
  }
}

bool ValuePopup::eventFilter(QObject* watched, QEvent* event) {
  if (watched == editor_ &&
      (event->type() == QEvent::KeyRelease || event->type() == QEvent::MouseButtonRelease)) {
    runCheck();
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace tarnwick
