// SPDX-License-Identifier: GPL-3.0-or-later
// A UserDialogs for tests: it shows nothing, records every message, question and file dialog
// with its exact text, title and icon, and answers from queues the test fills beforehand.
// With an empty queue a question is answered No (or Cancel) and a file dialog is cancelled, the
// answers that change nothing.
#pragma once

#include <deque>
#include <vector>

#include <QString>
#include <QStringList>

#include "ui/user_dialogs.h"

namespace tarnwick::testing {

class RecordingDialogs : public UserDialogs {
 public:
  enum class Kind { Message, YesNo, SaveDiscardCancel, OpenFile, SaveFile };

  struct Shown {
    Kind kind;
    QString text;   // the message, or the start folder / path of a file dialog
    QString title;
    Icon icon = Icon::None;
    QStringList filters;
  };

  // --- Answers, taken from the front ---
  std::deque<Answer> answers;
  std::deque<QString> fileNames;  // an empty text cancels

  // --- What happened ---
  std::vector<Shown> shown;
  int beeps = 0;

  void showMessage(const QString& text, const QString& title, Icon icon) override {
    shown.push_back({Kind::Message, text, title, icon, {}});
  }
  Answer askYesNo(const QString& text, const QString& title, Icon icon) override {
    shown.push_back({Kind::YesNo, text, title, icon, {}});
    return next(Answer::No);
  }
  Answer askSaveDiscardCancel(const QString& text, const QString& title) override {
    shown.push_back({Kind::SaveDiscardCancel, text, title, Icon::Exclamation, {}});
    return next(Answer::Cancel);
  }
  QString openFileName(const QString& title, const QString& start, const QStringList& filters) override {
    shown.push_back({Kind::OpenFile, start, title, Icon::None, filters});
    return nextFileName();
  }
  QString saveFileName(const QString& title, const QString& start, const QStringList& filters) override {
    shown.push_back({Kind::SaveFile, start, title, Icon::None, filters});
    return nextFileName();
  }
  void beep() override { ++beeps; }

  // The texts of all messages (Kind::Message), in order.
  QStringList messages() const {
    QStringList texts;
    for (const Shown& entry : shown) {
      if (entry.kind == Kind::Message) texts.append(entry.text);
    }
    return texts;
  }
  void clear() {
    shown.clear();
    beeps = 0;
  }

 private:
  Answer next(Answer whenEmpty) {
    if (answers.empty()) return whenEmpty;
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
  }
  QString nextFileName() {
    if (fileNames.empty()) return {};
    QString name = fileNames.front();
    fileNames.pop_front();
    return name;
  }
};

}  // namespace tarnwick::testing
