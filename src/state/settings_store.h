// SPDX-License-Identifier: GPL-3.0-or-later
// The per-user settings: every key the program keeps between runs, with its section, type and
// default, and one store that reads and writes them as text (INI file through QSettings).
#pragma once

#include <cstdint>
#include <limits>
#include <memory>

#include <QString>

class QSettings;

namespace tarnwick {

struct AppState;

template <typename T>
struct SettingKey {
  const char* section;
  const char* key;
  T defaultValue;
};

namespace key {
// "Files": the two open UPS files and four paths kept from run to run.
inline const SettingKey<QString> UPSFilePathName1{"Files", "UPSFilePathName1", {}};
inline const SettingKey<QString> UPSFilePathName2{"Files", "UPSFilePathName2", {}};
inline const SettingKey<QString> DATStyleFilePathName{"Files", "DATStyleFilePathName", {}};
inline const SettingKey<QString> DATSongFilePathName{"Files", "DATSongFilePathName", {}};
inline const SettingKey<QString> StyleSetFilePathName{"Files", "StyleSetFilePathName", {}};
inline const SettingKey<QString> SongSetFilePathName{"Files", "SongSetFilePathName", {}};
// "Midi"
inline constexpr SettingKey<std::int32_t> MidiInSelDev{"Midi", "MidiInSelDev", -2};
inline constexpr SettingKey<std::int32_t> MidiOutSelDev{"Midi", "MidiOutSelDev", -2};
// The names of the devices behind those numbers when their ports were last opened.
inline const SettingKey<QString> MidiInSelDevName{"Midi", "MidiInSelDevName", {}};
inline const SettingKey<QString> MidiOutSelDevName{"Midi", "MidiOutSelDevName", {}};
inline constexpr SettingKey<std::int32_t> MidiInStatus{"Midi", "MidiInStatus", -1};
inline constexpr SettingKey<std::int32_t> MidiOutStatus{"Midi", "MidiOutStatus", -1};
inline constexpr SettingKey<std::uint8_t> Basic_Channel_TX{"Midi", "Basic_Channel_TX", 12};
inline constexpr SettingKey<std::uint8_t> Basic_Channel_RX{"Midi", "Basic_Channel_RX", 12};
inline constexpr SettingKey<std::uint8_t> Style_Channel_TX{"Midi", "Style_Channel_TX", 9};
inline constexpr SettingKey<std::uint8_t> Style_Channel_RX{"Midi", "Style_Channel_RX", 9};
// "Main": the visible view, kept as text and compared with "0".."3".
inline const SettingKey<QString> ActiveMenu{"Main", "ActiveMenu", QStringLiteral("0")};
// "Settings": the fold-away panels of the UP file window.
inline constexpr SettingKey<bool> FileMenuButtons_Visible0{"Settings", "FileMenuButtons_Visible0", true};
inline constexpr SettingKey<bool> FileMenuButtons_Visible1{"Settings", "FileMenuButtons_Visible1", true};
inline constexpr SettingKey<bool> CopyMenuButtons_Visible0{"Settings", "CopyMenuButtons_Visible0", true};
inline constexpr SettingKey<bool> CopyMenuButtons_Visible1{"Settings", "CopyMenuButtons_Visible1", true};
// "Settings": the UP file window selects the UP chosen on the instrument.
inline constexpr SettingKey<bool> FollowInstrument{"Settings", "FollowInstrument", false};
// "Keyboard"
inline constexpr SettingKey<std::int16_t> Keyboard_MidiIn_To_KeyboardMode{"Keyboard", "MidiIn_To_KeyboardMode", 1};
inline constexpr SettingKey<bool> Keyboard_To_MidiOut{"Keyboard", "Keyboard_To_MidiOut", true};
inline constexpr SettingKey<std::int16_t> Keyboard_CurChannel{"Keyboard", "CurChannel", 3};
inline constexpr SettingKey<double> Keyboard_WhiteKeyWidth{"Keyboard", "WhiteKeyWidth", 13.0};
inline constexpr SettingKey<std::int16_t> Keyboard_KeyColor{"Keyboard", "KeyColor", 1};
// "Tone": the tone browser and the program change monitor.
inline constexpr SettingKey<std::int32_t> Tone_MarkPos{"Tone", "MarkPos", 1};
inline constexpr SettingKey<std::int16_t> Tone_ShowPlus{"Tone", "ShowPlus", 1};
inline constexpr SettingKey<bool> Tone_Grid_To_MidiOut{"Tone", "Grid_To_MidiOut", true};
inline constexpr SettingKey<std::uint8_t> Tone_CurChannel{"Tone", "CurChannel", 3};
inline constexpr SettingKey<std::int16_t> Tone_MidiIn_PC{"Tone", "MidiIn_PC", 0};
// "DrumSet": the drum set browser.
inline constexpr SettingKey<std::int32_t> DrumSet_MarkPos{"DrumSet", "MarkPos", 1};
inline constexpr SettingKey<std::int16_t> DrumSet_ShowPlus{"DrumSet", "ShowPlus", 1};
inline constexpr SettingKey<bool> DrumSet_Grid_To_MidiOut{"DrumSet", "Grid_To_MidiOut", true};
inline constexpr SettingKey<std::uint8_t> DrumSet_CurChannel{"DrumSet", "CurChannel", 9};
}  // namespace key

// Conversions between stored texts and typed values. A text that does not convert to the
// key's type (or lies outside its range) reads as the key's default.
QString SettingText(std::int64_t value);
QString SettingText(bool value);   // "True" / "False"
QString SettingText(double value);
bool ParseSetting(const QString& text, bool& value);  // "True"/"False" or a number (non-zero = true)
bool ParseSetting(const QString& text, double& value);
bool ParseSetting(const QString& text, std::int64_t& value, std::int64_t min, std::int64_t max);

class SettingsStore {
 public:
  SettingsStore();                                // the user's own store
  explicit SettingsStore(const QString& iniPath);  // a store in a file of the caller's
  ~SettingsStore();
  SettingsStore(const SettingsStore&) = delete;
  SettingsStore& operator=(const SettingsStore&) = delete;

  QString readText(const char* section, const char* key, const QString& defaultText) const;
  void writeText(const char* section, const char* key, const QString& text);

  QString read(const SettingKey<QString>& k) const { return readText(k.section, k.key, k.defaultValue); }
  bool read(const SettingKey<bool>& k) const;
  double read(const SettingKey<double>& k) const;
  template <typename Int>
  Int read(const SettingKey<Int>& k) const {
    std::int64_t value = 0;
    const QString text = readText(k.section, k.key, SettingText(std::int64_t{k.defaultValue}));
    if (!ParseSetting(text, value, std::numeric_limits<Int>::min(), std::numeric_limits<Int>::max())) {
      return k.defaultValue;
    }
    return static_cast<Int>(value);
  }

  void write(const SettingKey<QString>& k, const QString& value) { writeText(k.section, k.key, value); }
  void write(const SettingKey<bool>& k, bool value) { writeText(k.section, k.key, SettingText(value)); }
  void write(const SettingKey<double>& k, double value) { writeText(k.section, k.key, SettingText(value)); }
  template <typename Int>
  void write(const SettingKey<Int>& k, Int value) {
    writeText(k.section, k.key, SettingText(std::int64_t{value}));
  }

  void sync();
  QString fileName() const;

 private:
  void keepHandWrittenLists();

  std::unique_ptr<QSettings> settings_;
};

// Reads the "Files" and "Midi" keys (but the two port status keys) into the program state, in
// the order the program has always read them. An empty file path becomes the program folder.
void LoadSettings(const SettingsStore& store, AppState& state);

// Writes the "Files" keys, the "Midi" keys with the current port handles (0 = closed) and the
// visible view. Called at exit while the ports are still open.
void SaveSettings(SettingsStore& store, const AppState& state, int midiInHandle, int midiOutHandle);

}  // namespace tarnwick
