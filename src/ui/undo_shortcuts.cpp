// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/undo_shortcuts.h"

#include <QKeySequence>
#include <QShortcut>
#include <QWidget>

namespace tarnwick {

void AddUndoShortcuts(QWidget* host, const std::function<void()>& undo, const std::function<void()>& redo) {
  const auto add = [host](const QKeySequence& keys, const std::function<void()>& action) {
    auto* shortcut = new QShortcut(keys, host, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
    QObject::connect(shortcut, &QShortcut::activated, host, action);
  };
  add(QKeySequence(Qt::CTRL | Qt::Key_Z), undo);
  add(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), redo);
  add(QKeySequence(Qt::CTRL | Qt::Key_Y), redo);
}

}  // namespace tarnwick
