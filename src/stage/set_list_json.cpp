// SPDX-License-Identifier: GPL-3.0-or-later
#include "stage/set_list_json.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "updata/atomic_file.h"

namespace tarnwick {
namespace {

constexpr qint64 kLargestSetList = qint64{64} << 20;

SetListRead Refused(const QString& why) { return {false, why, {}}; }

bool ReadEntry(const QJsonValue& value, StageEntry& entry) {
  if (!value.isObject()) return false;
  const QJsonObject object = value.toObject();
  const QJsonValue id = object.value(QStringLiteral("id"));
  const double number = id.toDouble(-1);
  if (!id.isDouble() || number != static_cast<int>(number) || number < 0 || number > kLastUPId) return false;
  const QJsonValue name = object.value(QStringLiteral("name"));
  const QJsonValue note = object.value(QStringLiteral("note"));
  if (!(name.isString() || name.isUndefined()) || !(note.isString() || note.isUndefined())) return false;
  entry = {static_cast<int>(number), name.toString().trimmed(), note.toString(), EntryState::Found};
  return true;
}

QString UPSPathOf(const QJsonValue& ups, const QString& setFolder) {
  const QString text = ups.toString();
  if (text.isEmpty()) return {};
  return QDir::cleanPath(QDir(setFolder).absoluteFilePath(text));
}

}  // namespace

SetListRead ParseSetList(const QByteArray& bytes, const QString& setFolder) {
  QJsonParseError error;
  const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
  if (error.error != QJsonParseError::NoError || !document.isObject()) {
    return Refused(QStringLiteral("It is not JSON (%1 at byte %2).").arg(error.errorString()).arg(error.offset));
  }
  const QJsonObject root = document.object();
  if (root.value(QStringLiteral("format")).toString() != QLatin1String("tarnwick-set")) {
    return Refused(QStringLiteral("It is not a Tarnwick set list (\"format\" is not \"tarnwick-set\")."));
  }
  const int version = root.value(QStringLiteral("version")).toInt(0);
  if (version != kSetListVersion) {
    return Refused(QStringLiteral("It is a set list of version %1; this program reads version %2.")
                       .arg(version).arg(kSetListVersion));
  }
  const QJsonValue ups = root.value(QStringLiteral("ups"));
  const QJsonValue entries = root.value(QStringLiteral("entries"));
  if (!(ups.isString() || ups.isUndefined()) || !entries.isArray()) {
    return Refused(QStringLiteral("\"ups\" must be a text and \"entries\" a list."));
  }
  SetListRead read{true, {}, {UPSPathOf(ups, setFolder), {}}};
  const QJsonArray list = entries.toArray();
  read.set.entries.resize(static_cast<std::size_t>(list.size()));
  for (qsizetype i = 0; i < list.size(); ++i) {
    if (!ReadEntry(list.at(i), read.set.entries[static_cast<std::size_t>(i)])) {
      return Refused(QStringLiteral("Entry %1 needs an \"id\" from 0 to %2 and texts for \"name\" and \"note\".")
                         .arg(i + 1).arg(kLastUPId));
    }
  }
  return read;
}

QByteArray SetListJson(const StageSet& set, const QString& setFolder) {
  QJsonArray entries;
  for (const StageEntry& entry : set.entries) {
    entries.append(QJsonObject{{QStringLiteral("id"), entry.id},
                               {QStringLiteral("name"), entry.name},
                               {QStringLiteral("note"), entry.note}});
  }
  const QString ups = set.upsPath.isEmpty() ? QString() : QDir(setFolder).relativeFilePath(set.upsPath);
  const QJsonObject root{{QStringLiteral("format"), QStringLiteral("tarnwick-set")},
                         {QStringLiteral("version"), kSetListVersion},
                         {QStringLiteral("ups"), ups},
                         {QStringLiteral("entries"), entries}};
  return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

SetListRead ReadSetListFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return Refused(QStringLiteral("It cannot be read: ") + file.errorString());
  if (file.size() > kLargestSetList) return Refused(QStringLiteral("It is too large for a set list."));
  return ParseSetList(file.readAll(), QFileInfo(path).absolutePath());
}

bool WriteSetListFile(const QString& path, const StageSet& set, QString& message) {
  const QByteArray bytes = SetListJson(set, QFileInfo(path).absolutePath());
  const ByteChunk chunk{bytes.constData(), static_cast<std::size_t>(bytes.size())};
  std::string error;
  if (WriteFileAtomically(path.toStdString(), {&chunk, 1}, &error)) return true;
  message = QString::fromStdString(error);
  return false;
}

}  // namespace tarnwick
