// SPDX-License-Identifier: GPL-3.0-or-later
// The files named when the program is started take the place of the last run's files.
#pragma once

#include <QString>
#include <QStringList>

#include "updata/up_file.h"

namespace tarnwick {

// Puts the first named file in the path of File 0 and the second in that of File 1, each made
// absolute against `currentFolder`, so that the start-up loads them and the settings keep them.
// A file is taken only when it loads; one that does not keeps the last run's path in its slot.
// Returns the messages to show: the load's own for each refused file, and one naming the files
// beyond the second, which are not opened.
QStringList UseNamedFiles(UPData& up, const QStringList& files, const QString& currentFolder);

}  // namespace tarnwick
