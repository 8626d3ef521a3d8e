// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/program_folder.h"

#include <QDir>
#include <QFileInfo>

#include "lists/name_lists.h"

namespace tarnwick {
namespace {

bool HoldsDataFile(const QString& folder) {
  for (const char* name : {kToneListFile, kDrumSetListFile, kStyleListFile, kEFXListFile, kNewFileTemplate}) {
    if (QFileInfo(QDir(folder).filePath(QString::fromLatin1(name))).isFile()) return true;
  }
  return false;
}

std::string WithoutTrailingSeparator(QString folder) {
  folder = QDir::fromNativeSeparators(folder);
  while (folder.size() > 1 && folder.endsWith(QLatin1Char('/'))) folder.chop(1);
  return folder.toStdString();
}

}  // namespace

std::string ProgramFolderFrom(const QString& executableFolder) { return WithoutTrailingSeparator(executableFolder); }

std::string FindDataFolder(const std::string& programFolder, const QString& overrideFolder) {
  if (!overrideFolder.isEmpty()) return WithoutTrailingSeparator(overrideFolder);
  const QString beside = QString::fromStdString(programFolder);
  if (HoldsDataFile(beside)) return programFolder;
  const QString installed = QDir::cleanPath(beside + QStringLiteral("/../share/tarnwick"));
  if (HoldsDataFile(installed)) return installed.toStdString();
  return programFolder;
}

}  // namespace tarnwick
