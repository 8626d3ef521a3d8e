// SPDX-License-Identifier: GPL-3.0-or-later
// The Qt side of UserDialogs: modal message boxes, questions and the file dialogs.
#pragma once

#include <QPointer>
#include <QWidget>

#include "ui/user_dialogs.h"

namespace tarnwick {

// The program's texts break lines with "\r\n"; a message box wants "\n".
QString MessageBoxText(const QString& text);

class QtUserDialogs : public UserDialogs {
 public:
  explicit QtUserDialogs(QWidget* parent = nullptr) : parent_(parent) {}

  // The window the boxes are centred on and modal to (the main window once it exists).
  void setParentWidget(QWidget* parent) { parent_ = parent; }

  void showMessage(const QString& text, const QString& title, Icon icon) override;
  Answer askYesNo(const QString& text, const QString& title, Icon icon) override;
  Answer askSaveDiscardCancel(const QString& text, const QString& title) override;
  QString openFileName(const QString& title, const QString& start, const QStringList& filters) override;
  QString saveFileName(const QString& title, const QString& start, const QStringList& filters) override;
  void beep() override;

 private:
  QPointer<QWidget> parent_;
};

}  // namespace tarnwick
