// SPDX-License-Identifier: GPL-3.0-or-later
// A window's control by its object name, as the widget tests reach them: `name`, or `name`_`index`
// for a row of controls ("lbl_IDCnt_0"). A test that asks for a control the window lacks stops
// at once with its name.
#pragma once

#include <QObject>
#include <QString>
#include <QtGlobal>

namespace tarnwick::testing {

template <typename T>
T* FindControl(const QObject& parent, const QString& name) {
  T* found = parent.findChild<T*>(name);
  if (found == nullptr) qFatal("no control %s", qPrintable(name));
  return found;
}

template <typename T>
T* FindControl(const QObject& parent, const char* name, int index) {
  return FindControl<T>(parent, QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index));
}

}  // namespace tarnwick::testing
