// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt_user_dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace tarnwick {
namespace {

QMessageBox::Icon BoxIcon(UserDialogs::Icon icon) {
  switch (icon) {
    case UserDialogs::Icon::Information: return QMessageBox::Information;
    case UserDialogs::Icon::Exclamation: return QMessageBox::Warning;
    case UserDialogs::Icon::Question: return QMessageBox::Question;
    case UserDialogs::Icon::Critical: return QMessageBox::Critical;
    case UserDialogs::Icon::None: break;
  }
  return QMessageBox::NoIcon;
}

// Runs a box with the given buttons; texts are shown as typed (a path with "<" stays a path).
QMessageBox::StandardButton RunBox(QWidget* parent, const QString& text, const QString& title,
                                   UserDialogs::Icon icon, QMessageBox::StandardButtons buttons,
                                   QMessageBox::StandardButton defaultButton) {
  QMessageBox box(BoxIcon(icon), title, MessageBoxText(text), buttons, parent);
  box.setTextFormat(Qt::PlainText);
  box.setDefaultButton(defaultButton);
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace

QString MessageBoxText(const QString& text) {
  QString shown = text;
  shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return shown;
}

void QtUserDialogs::showMessage(const QString& text, const QString& title, Icon icon) {
  RunBox(parent_, text, title, icon, QMessageBox::Ok, QMessageBox::Ok);
}

UserDialogs::Answer QtUserDialogs::askYesNo(const QString& text, const QString& title, Icon icon) {
  const auto pressed = RunBox(parent_, text, title, icon, QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
  return pressed == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

UserDialogs::Answer QtUserDialogs::askSaveDiscardCancel(const QString& text, const QString& title) {
  const auto pressed = RunBox(parent_, text, title, Icon::Exclamation,
                              QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                              QMessageBox::Save);
  if (pressed == QMessageBox::Save) return Answer::Save;
  if (pressed == QMessageBox::Discard) return Answer::Discard;
  return Answer::Cancel;  // also Escape and the window's close box
}

QString QtUserDialogs::openFileName(const QString& title, const QString& start, const QStringList& filters) {
  return QFileDialog::getOpenFileName(parent_, title, start, filters.join(QLatin1String(";;")));
}

QString QtUserDialogs::saveFileName(const QString& title, const QString& start, const QStringList& filters) {
  // The program asks about overwriting itself, with its own texts.
  return QFileDialog::getSaveFileName(parent_, title, start, filters.join(QLatin1String(";;")), nullptr,
                                      QFileDialog::DontConfirmOverwrite);
}

void QtUserDialogs::beep() { QApplication::beep(); }

}  // namespace tarnwick
