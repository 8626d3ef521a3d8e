// A UserDialogs that shows nothing and records every message, so that tests can read the texts.
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

#include "ui/user_dialogs.h"

namespace tarnwick::test {

class RecordingDialogs final : public UserDialogs {
 public:
  struct Message {
    QString text;
    QString title;
    Icon icon;
  };

  void showMessage(const QString& text, const QString& title, Icon icon) override {
    messages.push_back({text, title, icon});
  }
  Answer askYesNo(const QString&, const QString&, Icon) override { return Answer::No; }
  Answer askSaveDiscardCancel(const QString&, const QString&) override { return Answer::Cancel; }
  QString openFileName(const QString&, const QString&, const QStringList&) override { return {}; }
  QString saveFileName(const QString&, const QString&, const QStringList&) override { return {}; }
  void beep() override {}

  std::vector<Message> messages;
};

}  // namespace tarnwick::test
