// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/named_files.h"

#include <QDir>

#include "updata/ups_file.h"

namespace tarnwick {
namespace {

constexpr int kFileSlots = 2;

QString TooManyFilesMessage(const QStringList& files) {
  QString text = QStringLiteral("Tarnwick opens two files at a time, in File 0 and File 1.\r\n\r\nNot opened:");
  for (qsizetype i = kFileSlots; i < files.size(); ++i) text += QStringLiteral("\r\n") + files[i];
  return text;
}

}  // namespace

QStringList UseNamedFiles(UPData& up, const QStringList& files, const QString& currentFolder) {
  QStringList messages;
  const QDir current(currentFolder);
  for (int slot = 0; slot < kFileSlots && slot < files.size(); ++slot) {
    const std::string path = QDir::cleanPath(current.absoluteFilePath(files[slot])).toStdString();
    // A trial load, so that a file that is missing or refused leaves the slot as it was.
    UPFile trial;
    const FileResult loaded = LoadUPSFile(trial, path);
    if (loaded.ok) {
      up.files[static_cast<std::size_t>(slot)].path = path;
    } else {
      messages.append(QString::fromStdString(loaded.message));
    }
  }
  if (files.size() > kFileSlots) messages.append(TooManyFilesMessage(files));
  return messages;
}

}  // namespace tarnwick
