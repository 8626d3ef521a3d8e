// SPDX-License-Identifier: GPL-3.0-or-later
// A stand-in for a view window whose contents are not built yet: an empty window that says
// which view it is.
#pragma once

#include <QFrame>
#include <QString>

namespace tarnwick {

QFrame* CreatePlaceholderView(const QString& windowName, const QString& title, QWidget* parent);

}  // namespace tarnwick
