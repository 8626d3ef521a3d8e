// SPDX-License-Identifier: GPL-3.0-or-later
// Answers the modal window that the next step of a widget test opens (a message box, a value
// pop-up), as a person would once it is on screen.
//
// The answer is armed for one turn of the event loop: a modal window's own loop turns first,
// so the answer meets the window the next call opens. If that call opens none, the answer is
// spent all the same and never catches a window of a later step; `met()` then stays false.
// The answer goes with the object, so it may live on the test's stack.
#pragma once

#include <QApplication>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

namespace tarnwick::testing {

template <class Window>
class ModalAnswer {
 public:
  explicit ModalAnswer(std::function<void(Window&)> answer) {
    QTimer::singleShot(0, &context_, [this, answer = std::move(answer)] {
      auto* window = qobject_cast<Window*>(QApplication::activeModalWidget());
      if (window == nullptr) return;
      met_ = true;
      opened_ = window->objectName();
      answer(*window);
    });
  }

  // Whether a modal window of the type was up, and its object name.
  bool met() const { return met_; }
  const QString& opened() const { return opened_; }

 private:
  QObject context_;  // the armed answer is dropped with it
  bool met_ = false;
  QString opened_;
};

}  // namespace tarnwick::testing
