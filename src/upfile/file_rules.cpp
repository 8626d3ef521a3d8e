// SPDX-License-Identifier: GPL-3.0-or-later
#include "upfile/file_rules.h"

#include <QDir>
#include <QFileInfo>

namespace tarnwick {
namespace {

const QString kLineBreak = QStringLiteral("\r\n");

QString TitleKind(int upCount) {
  return upCount == 192 ? QStringLiteral("UPS File") : QStringLiteral("UP Lib File");
}

}  // namespace

QString OpenDialogTitle(int upCount) {
  return QStringLiteral("Open Roland EM-2000  -  ") + TitleKind(upCount);
}

QString SaveDialogTitle(int upCount) {
  return QStringLiteral("Save Roland EM-2000  -  ") + TitleKind(upCount);
}

QStringList UPSFileFilters() {
  return {QStringLiteral("Roland EM-2000 UPS (*.UPS *.ups)"), QStringLiteral("All (*)")};
}

QString DialogStartPath(const QString& path, const QString& programFolder) {
  if (!path.isEmpty() && QFileInfo(path).isFile()) return path;
  const QString startFolder = QDir(programFolder).filePath(QString::fromLatin1(kStartFolderName));
  if (QFileInfo(startFolder).isDir()) return startFolder;
  return programFolder;
}

QString SaveAsPath(const QString& chosen) {
  const qsizetype nameStart = chosen.lastIndexOf(u'/') + 1;
  QString name = chosen.mid(nameStart);
  if (name.isEmpty()) return {};
  const qsizetype dot = name.lastIndexOf(u'.');
  if (dot > 0) {
    if (name.mid(dot + 1).compare(QStringLiteral("ups"), Qt::CaseInsensitive) == 0) return chosen;
    name.truncate(dot);
  }
  return chosen.left(nameStart) + name + QStringLiteral(".ups");
}

QString FileNamePart(const QString& path) { return QFileInfo(path).fileName(); }

QString TemplatePath(const QString& dataFolder) {
  return QDir(dataFolder).filePath(QString::fromLatin1(kTemplateFileName));
}

QString TemplateMissingMessage(const QString& templatePath) {
  return templatePath + QStringLiteral(", Is missing!") + kLineBreak + kLineBreak +
         QStringLiteral("Save an empty(0 UP) ups file to: ") + templatePath;
}

QString AlreadyOpenMessage(const QString& path) {
  return path + kLineBreak + kLineBreak + QStringLiteral("Is already open in the other Grid") + kLineBreak +
         kLineBreak + QStringLiteral("Chose another Filename, Please");
}

QString UnsavedChangesQuestion(int file, const QString& path) {
  const QString name = path.isEmpty() ? QString::fromLatin1(kUnnamedFileToolTip) : FileNamePart(path);
  return QStringLiteral("File %1 (%2) has unsaved changes.").arg(file).arg(name) + kLineBreak + kLineBreak +
         QStringLiteral("Save the changes?");
}

OpenFromLook OpenFromButtonLook(int file, bool sameFile) {
  if (sameFile) {
    return {QStringLiteral("FILE_FROM_IS_SAME"),
            file == 0 ? QStringLiteral("Reopen File 1 = File 0") : QStringLiteral("Reopen File 0 = File 1"),
            true};
  }
  return {file == 0 ? QStringLiteral("FILE_FROM_0") : QStringLiteral("FILE_FROM_1"),
          file == 0 ? QStringLiteral("Open File 1 = File 0") : QStringLiteral("Open File 0 = File 1"), false};
}

}  // namespace tarnwick
