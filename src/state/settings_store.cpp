// SPDX-License-Identifier: GPL-3.0-or-later
#include "state/settings_store.h"

#include <QFile>
#include <QLocale>
#include <QSettings>

#include "state/app_state.h"

namespace tarnwick {
namespace {

QString GroupKey(const char* section, const char* key) {
  return QString::fromLatin1(section) + QLatin1Char('/') + QString::fromLatin1(key);
}

std::string ToPath(const QString& text) { return text.toStdString(); }

// A stored path, or the program folder when none is stored.
std::string PathOrProgramFolder(const SettingsStore& store, const SettingKey<QString>& k,
                                const std::string& programFolder) {
  const QString text = store.read(k);
  return text.isEmpty() ? programFolder : ToPath(text);
}

// The value of `key` in `section` as it stands in the INI file, blanks and commas included. QSettings
// reads a hand-written value with a comma as a list of texts; every value here is one text.
QString RawIniValue(const QString& fileName, const char* section, const char* key) {
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
  const QString sectionLine = QLatin1Char('[') + QString::fromLatin1(section) + QLatin1Char(']');
  const QString keyName = QString::fromLatin1(key);
  bool inSection = false;
  while (!file.atEnd()) {
    const QString line = QString::fromUtf8(file.readLine()).trimmed();
    if (line.startsWith(QLatin1Char('['))) {
      inSection = line == sectionLine;
      continue;
    }
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    if (!inSection || equals < 0 || line.left(equals).trimmed() != keyName) continue;
    QString value = line.mid(equals + 1).trimmed();
    if (value.size() >= 2 && value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"'))) {
      value = value.mid(1, value.size() - 2);
    }
    return value;
  }
  return {};
}

}  // namespace

QString SettingText(std::int64_t value) { return QString::number(value); }
QString SettingText(bool value) { return value ? QStringLiteral("True") : QStringLiteral("False"); }
QString SettingText(double value) { return QLocale::c().toString(value, 'g', 15); }

bool ParseSetting(const QString& text, bool& value) {
  const QString trimmed = text.trimmed();
  if (trimmed.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) {
    value = true;
    return true;
  }
  if (trimmed.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) {
    value = false;
    return true;
  }
  double number = 0;
  if (!ParseSetting(trimmed, number)) return false;
  value = number != 0;
  return true;
}

bool ParseSetting(const QString& text, double& value) {
  bool ok = false;
  const double number = QLocale::c().toDouble(text.trimmed(), &ok);
  if (ok) value = number;
  return ok;
}

bool ParseSetting(const QString& text, std::int64_t& value, std::int64_t min, std::int64_t max) {
  bool ok = false;
  const qlonglong number = text.trimmed().toLongLong(&ok, 10);
  if (!ok || number < min || number > max) return false;
  value = number;
  return true;
}

SettingsStore::SettingsStore()
    : settings_(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                            QStringLiteral("Tarnwick"), QStringLiteral("Tarnwick"))) {
  keepHandWrittenLists();
}

SettingsStore::SettingsStore(const QString& iniPath)
    : settings_(std::make_unique<QSettings>(iniPath, QSettings::IniFormat)) {
  keepHandWrittenLists();
}

// Every value is one text: a value written by hand with a comma (read by QSettings as a list) is
// taken as the file holds it, before a sync could rewrite it in the list form.
void SettingsStore::keepHandWrittenLists() {
  for (const QString& groupKey : settings_->allKeys()) {
    if (settings_->value(groupKey).typeId() != QMetaType::QStringList) continue;
    const qsizetype slash = groupKey.indexOf(QLatin1Char('/'));
    if (slash < 0) continue;
    const QByteArray section = groupKey.left(slash).toUtf8();
    const QByteArray key = groupKey.mid(slash + 1).toUtf8();
    settings_->setValue(groupKey, RawIniValue(settings_->fileName(), section.constData(), key.constData()));
  }
}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::readText(const char* section, const char* key, const QString& defaultText) const {
  const QVariant value = settings_->value(GroupKey(section, key));
  if (!value.isValid()) return defaultText;
  return value.toString();
}

void SettingsStore::writeText(const char* section, const char* key, const QString& text) {
  settings_->setValue(GroupKey(section, key), text);
}

bool SettingsStore::read(const SettingKey<bool>& k) const {
  bool value = k.defaultValue;
  return ParseSetting(readText(k.section, k.key, SettingText(k.defaultValue)), value) ? value
                                                                                       : k.defaultValue;
}

double SettingsStore::read(const SettingKey<double>& k) const {
  double value = k.defaultValue;
  return ParseSetting(readText(k.section, k.key, SettingText(k.defaultValue)), value) ? value
                                                                                       : k.defaultValue;
}

void SettingsStore::sync() { settings_->sync(); }

QString SettingsStore::fileName() const { return settings_->fileName(); }

void LoadSettings(const SettingsStore& store, AppState& state) {
  const std::string& folder = state.programFolder;
  state.up.files[0].path = PathOrProgramFolder(store, key::UPSFilePathName1, folder);
  state.up.files[1].path = PathOrProgramFolder(store, key::UPSFilePathName2, folder);
  state.datStyleFilePath = PathOrProgramFolder(store, key::DATStyleFilePathName, folder);
  state.datSongFilePath = PathOrProgramFolder(store, key::DATSongFilePathName, folder);
  state.styleSetFilePath = PathOrProgramFolder(store, key::StyleSetFilePathName, folder);
  state.songSetFilePath = PathOrProgramFolder(store, key::SongSetFilePathName, folder);
  state.midi.inDevice = store.read(key::MidiInSelDev);
  state.midi.outDevice = store.read(key::MidiOutSelDev);
  state.midi.inDeviceName = store.read(key::MidiInSelDevName).toStdString();
  state.midi.outDeviceName = store.read(key::MidiOutSelDevName).toStdString();
  state.midi.basicTx = MidiChannel::fromZeroBased(store.read(key::Basic_Channel_TX));
  state.midi.basicRx = MidiChannel::fromZeroBased(store.read(key::Basic_Channel_RX));
  state.midi.styleTx = MidiChannel::fromZeroBased(store.read(key::Style_Channel_TX));
  state.midi.styleRx = MidiChannel::fromZeroBased(store.read(key::Style_Channel_RX));
}

void SaveSettings(SettingsStore& store, const AppState& state, int midiInHandle, int midiOutHandle) {
  store.write(key::UPSFilePathName1, QString::fromStdString(state.up.files[0].path));
  store.write(key::UPSFilePathName2, QString::fromStdString(state.up.files[1].path));
  store.write(key::DATStyleFilePathName, QString::fromStdString(state.datStyleFilePath));
  store.write(key::DATSongFilePathName, QString::fromStdString(state.datSongFilePath));
  store.write(key::StyleSetFilePathName, QString::fromStdString(state.styleSetFilePath));
  store.write(key::SongSetFilePathName, QString::fromStdString(state.songSetFilePath));
  store.write(key::MidiInSelDev, state.midi.inDevice);
  store.write(key::MidiOutSelDev, state.midi.outDevice);
  store.write(key::MidiInSelDevName, QString::fromStdString(state.midi.inDeviceName));
  store.write(key::MidiOutSelDevName, QString::fromStdString(state.midi.outDeviceName));
  store.write(key::MidiInStatus, std::int32_t{midiInHandle});
  store.write(key::MidiOutStatus, std::int32_t{midiOutHandle});
  store.write(key::Basic_Channel_TX, state.midi.basicTx.zeroBased());
  store.write(key::Basic_Channel_RX, state.midi.basicRx.zeroBased());
  store.write(key::Style_Channel_TX, state.midi.styleTx.zeroBased());
  store.write(key::Style_Channel_RX, state.midi.styleRx.zeroBased());
  store.write(key::ActiveMenu, QString::number(static_cast<int>(state.activeMenu)));
  store.sync();
}

}  // namespace tarnwick
