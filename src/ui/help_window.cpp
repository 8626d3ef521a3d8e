// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/help_window.h"

#include <algorithm>

#include <QPlainTextEdit>
#include <QPushButton>

#include "ui/qt_user_dialogs.h"
#include "ui/twips.h"

namespace tarnwick {
namespace {

// Placement of the text and the button inside the window, in twips.
constexpr int kTextInset = 30;
constexpr int kTextWidthLoss = 150;
constexpr int kTextHeightLoss = 780;
constexpr int kButtonTopFromBottom = 705;
constexpr QSize kButtonSize{1215, 375};

}  // namespace

frmHelp::frmHelp(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmHelp"));
  text_ = new QPlainTextEdit(this);
  text_->setObjectName(QStringLiteral("txtHelp"));
  text_->setReadOnly(true);
  ok_ = new QPushButton(QStringLiteral("OK"), this);
  ok_->setObjectName(QStringLiteral("cmdOK"));
  ok_->setDefault(true);
  ok_->resize(TwipsToPixels(kButtonSize));
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
}

void frmHelp::setHelpText(const QString& text) { text_->setPlainText(MessageBoxText(text)); }

void frmHelp::setSizeTwips(QSize outerTwips) { resize(TwipsToPixels(outerTwips)); }

void frmHelp::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  const int inset = TwipsToPixels(kTextInset);
  text_->setGeometry(inset, inset, std::max(0, width() - TwipsToPixels(kTextWidthLoss)),
                     std::max(0, height() - TwipsToPixels(kTextHeightLoss)));
  ok_->move((width() - ok_->width()) / 2, height() - TwipsToPixels(kButtonTopFromBottom));
}

void ShowHelp(QWidget* parent, const QString& caption, QSize sizeTwips, const QString& text) {
  frmHelp help(parent);
  help.setWindowTitle(caption);
  help.setSizeTwips(sizeTwips);
  help.setHelpText(text);
  help.exec();
}

}  // namespace tarnwick
