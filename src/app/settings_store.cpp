#include "app/settings_store.h"

#include <QLocale>
#include <QSettings>

#include "app/app_state.h"

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
                                            QStringLiteral("Tarnwick"), QStringLiteral("Tarnwick"))) {}

SettingsStore::SettingsStore(const QString& iniPath)
    : settings_(std::make_unique<QSettings>(iniPath, QSettings::IniFormat)) {}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::readText(const char* section, const char* key, const QString& defaultText) const {
  const QVariant value = settings_->value(GroupKey(section, key));
  return value.isValid() ? value.toString() : defaultText;
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
