// SPDX-License-Identifier: GPL-3.0-or-later
// The one seam through which the program talks to the user in modal boxes and file dialogs.
// Windows call it; tests replace it to read the exact texts and to answer questions.
#pragma once

#include <QString>
#include <QStringList>

namespace tarnwick {

class UserDialogs {
 public:
  enum class Icon { None, Information, Exclamation, Question, Critical };
  enum class Answer { Ok, Yes, No, Save, Discard, Cancel };

  virtual ~UserDialogs() = default;

  // A message with an OK button. Texts use "\r\n" line breaks as stored; the Qt side shows them.
  virtual void showMessage(const QString& text, const QString& title = QStringLiteral("Tarnwick"),
                           Icon icon = Icon::None) = 0;
  // Yes / No question; returns Answer::Yes or Answer::No.
  virtual Answer askYesNo(const QString& text, const QString& title, Icon icon = Icon::Question) = 0;
  // Save / Discard / Cancel question about unsaved changes.
  virtual Answer askSaveDiscardCancel(const QString& text, const QString& title) = 0;
  // File dialogs; an empty result means the user cancelled. `filters` in Qt's form
  // ("Roland EM-2000 UPS (*.UPS *.ups)"), `start` a folder or a full path.
  virtual QString openFileName(const QString& title, const QString& start, const QStringList& filters) = 0;
  virtual QString saveFileName(const QString& title, const QString& start, const QStringList& filters) = 0;
  virtual void beep() = 0;
};

}  // namespace tarnwick
