// A UserDialogs that records every message, question and file dialog, and answers them from
// queues the test fills in. An unexpected question (empty queue) is answered Cancel / No and a
// file dialog with nothing queued is cancelled, so a test sees the effect of the surprise.
#pragma once

#include <deque>
#include <vector>

#include "ui/user_dialogs.h"

namespace tarnwick::testing {

class FakeUserDialogs : public UserDialogs {
 public:
  struct Shown {
    QString text;
    QString title;
    Icon icon;
  };
  struct FileDialog {
    QString title;
    QString start;
    QStringList filters;
    bool save;
  };

  std::vector<Shown> messages;
  std::vector<Shown> questions;
  std::vector<FileDialog> fileDialogs;
  std::deque<Answer> answers;
  std::deque<QString> fileNames;
  int beeps = 0;

  void showMessage(const QString& text, const QString& title, Icon icon) override {
    messages.push_back({text, title, icon});
  }
  Answer askYesNo(const QString& text, const QString& title, Icon icon) override {
    questions.push_back({text, title, icon});
    return next(Answer::No);
  }
  Answer askSaveDiscardCancel(const QString& text, const QString& title) override {
    questions.push_back({text, title, Icon::Question});
    return next(Answer::Cancel);
  }
  QString openFileName(const QString& title, const QString& start, const QStringList& filters) override {
    fileDialogs.push_back({title, start, filters, false});
    return nextName();
  }
  QString saveFileName(const QString& title, const QString& start, const QStringList& filters) override {
    fileDialogs.push_back({title, start, filters, true});
    return nextName();
  }
  void beep() override { ++beeps; }

 private:
  Answer next(Answer fallback) {
    if (answers.empty()) return fallback;
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
  }
  QString nextName() {
    if (fileNames.empty()) return {};
    QString name = fileNames.front();
    fileNames.pop_front();
    return name;
  }
};

}  // namespace tarnwick::testing
