// SPDX-License-Identifier: GPL-3.0-or-later
// The fixed parts of the file commands of the UP file window: dialog titles, filters and start
// folders, the name a Save As writes to, and the texts shown about files.
#pragma once

#include <QString>
#include <QStringList>

namespace tarnwick {

inline constexpr char kTemplateFileName[] = "DefaultNewFile.upt";
inline constexpr char kStartFolderName[] = "PERFSET";
inline constexpr char kUnnamedFileToolTip[] = "Unnamed New File";
inline constexpr char kTemplateMissingTitle[] = "File NOT Found!";
inline constexpr char kSaveAsTitle[] = "File Save As";
inline constexpr char kUnsavedChangesTitle[] = "Unsaved Changes";

QString OpenDialogTitle(int upCount);
QString SaveDialogTitle(int upCount);
QStringList UPSFileFilters();

// Where a file dialog starts: the file itself when it exists, else the PERFSET folder inside the
// program's folder when that exists, else the program's folder.
QString DialogStartPath(const QString& path, const QString& programFolder);

// The path a Save As writes: the chosen folder and name, with the name's extension replaced by
// ".ups" (kept as typed when it already is ".ups" in any case) or ".ups" appended to a name
// without one. Empty when the chosen path names no file.
QString SaveAsPath(const QString& chosen);

QString FileNamePart(const QString& path);
QString TemplatePath(const QString& dataFolder);

QString TemplateMissingMessage(const QString& templatePath);
QString AlreadyOpenMessage(const QString& path);
QString UnsavedChangesQuestion(int file, const QString& path);

// The look of the Open-From button of `file`: picture (without "_UP"/"_DOWN"), tooltip, and
// whether both grids hold the same file (the file names are then drawn in red).
struct OpenFromLook {
  QString picture;
  QString toolTip;
  bool sameFile;
};
OpenFromLook OpenFromButtonLook(int file, bool sameFile);

}  // namespace tarnwick
