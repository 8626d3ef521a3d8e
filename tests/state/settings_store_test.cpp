// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QFile>
#include <QSettings>

#include "state/app_state.h"
#include "state/settings_store.h"
#include "support/temp_folder.h"

namespace tarnwick {
namespace {

class SettingsStoreTest : public ::testing::Test {
 protected:
  QString iniPath() const { return QString::fromStdString(folder_.file("Tarnwick.ini")); }
  // Writes raw texts the way another run (or the user with an editor) left them.
  void seed(const char* groupKey, const QString& text) {
    QSettings raw(iniPath(), QSettings::IniFormat);
    raw.setValue(QString::fromLatin1(groupKey), text);
  }
  testing::TempFolder folder_;
};

TEST_F(SettingsStoreTest, FirstRunReadsEveryDefault) {
  SettingsStore store(iniPath());
  EXPECT_EQ(store.read(key::UPSFilePathName1), QString());
  EXPECT_EQ(store.read(key::MidiInSelDev), -2);
  EXPECT_EQ(store.read(key::MidiOutStatus), -1);
  EXPECT_EQ(store.read(key::Basic_Channel_TX), 12);
  EXPECT_EQ(store.read(key::Style_Channel_RX), 9);
  EXPECT_EQ(store.read(key::ActiveMenu), QStringLiteral("0"));
  EXPECT_TRUE(store.read(key::CopyMenuButtons_Visible1));
  EXPECT_EQ(store.read(key::Keyboard_CurChannel), 3);
  EXPECT_DOUBLE_EQ(store.read(key::Keyboard_WhiteKeyWidth), 13.0);
  EXPECT_EQ(store.read(key::DrumSet_CurChannel), 9);
  EXPECT_FALSE(QFile::exists(iniPath())) << "reading must not create the store";
}

TEST_F(SettingsStoreTest, ValuesAreStoredAsTextAndReadBack) {
  {
    SettingsStore store(iniPath());
    store.write(key::FileMenuButtons_Visible0, false);
    store.write(key::Tone_MarkPos, std::int32_t{2});
    store.write(key::Keyboard_WhiteKeyWidth, 15.5);
    store.write(key::MidiInStatus, std::int32_t{-1});
    store.sync();
  }
  QSettings raw(iniPath(), QSettings::IniFormat);
  EXPECT_EQ(raw.value("Settings/FileMenuButtons_Visible0").toString(), "False");
  EXPECT_EQ(raw.value("Tone/MarkPos").toString(), "2");
  EXPECT_EQ(raw.value("Keyboard/WhiteKeyWidth").toString(), "15.5");

  SettingsStore again(iniPath());
  EXPECT_FALSE(again.read(key::FileMenuButtons_Visible0));
  EXPECT_EQ(again.read(key::Tone_MarkPos), 2);
  EXPECT_DOUBLE_EQ(again.read(key::Keyboard_WhiteKeyWidth), 15.5);
  EXPECT_EQ(again.read(key::MidiInStatus), -1);
}

TEST_F(SettingsStoreTest, TrueFalseAcceptsWordsAndNumbers) {
  const struct { const char* text; bool expected; } cases[] = {
      {"True", true}, {"False", false}, {"true", true}, {"1", true},
      {"-1", true},   {"0", false},     {"7", true},    {"no", true /* default */}};
  for (const auto& c : cases) {
    seed("Tone/Grid_To_MidiOut", QString::fromLatin1(c.text));
    SettingsStore store(iniPath());
    EXPECT_EQ(store.read(key::Tone_Grid_To_MidiOut), c.expected) << c.text;
  }
}

TEST_F(SettingsStoreTest, UnconvertibleOrOutOfRangeTextsReadAsTheDefault) {
  seed("Midi/Basic_Channel_TX", "300");  // does not fit an unsigned byte
  seed("Midi/Style_Channel_TX", "-1");
  seed("Midi/MidiOutSelDev", "two");
  seed("Keyboard/KeyColor", "70000");  // does not fit 16 bits
  seed("Keyboard/WhiteKeyWidth", "wide");
  seed("Midi/Basic_Channel_RX", " 4 ");
  SettingsStore store(iniPath());
  EXPECT_EQ(store.read(key::Basic_Channel_TX), 12);
  EXPECT_EQ(store.read(key::Style_Channel_TX), 9);
  EXPECT_EQ(store.read(key::MidiOutSelDev), -2);
  EXPECT_EQ(store.read(key::Keyboard_KeyColor), 1);
  EXPECT_DOUBLE_EQ(store.read(key::Keyboard_WhiteKeyWidth), 13.0);
  EXPECT_EQ(store.read(key::Basic_Channel_RX), 4);
}

TEST_F(SettingsStoreTest, HandWrittenValuesWithCommasReadAsOneText) {
  {
    QFile file(iniPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Text));
    file.write("[Files]\nUPSFilePathName1=/music/a,b.UPS\nUPSFilePathName2 = /music/x, y ,z.UPS\n"
               "[Other]\nUPSFilePathName1=/elsewhere,c.UPS\n[Midi]\nMidiInSelDev=1,2\n");
  }
  SettingsStore store(iniPath());
  EXPECT_EQ(store.read(key::UPSFilePathName1), QStringLiteral("/music/a,b.UPS"));
  EXPECT_EQ(store.read(key::UPSFilePathName2), QStringLiteral("/music/x, y ,z.UPS"));
  EXPECT_EQ(store.read(key::MidiInSelDev), -2) << "a list is no number";

  // What the program writes itself reads back unchanged.
  store.write(key::DATSongFilePathName, QStringLiteral("/songs/one, two.DAT"));
  store.sync();
  SettingsStore again(iniPath());
  EXPECT_EQ(again.read(key::DATSongFilePathName), QStringLiteral("/songs/one, two.DAT"));
  EXPECT_EQ(again.read(key::UPSFilePathName1), QStringLiteral("/music/a,b.UPS"));
}

TEST_F(SettingsStoreTest, LoadReplacesEmptyPathsWithTheProgramFolder) {
  seed("Files/UPSFilePathName2", "/music/sets/gig.UPS");
  seed("Midi/MidiInSelDev", "3");
  seed("Midi/Style_Channel_TX", "0");
  SettingsStore store(iniPath());
  AppState state;
  state.programFolder = "/opt/tarnwick/bin";
  LoadSettings(store, state);
  EXPECT_EQ(state.up.files[0].path, "/opt/tarnwick/bin");
  EXPECT_EQ(state.up.files[1].path, "/music/sets/gig.UPS");
  EXPECT_EQ(state.songSetFilePath, "/opt/tarnwick/bin");
  EXPECT_EQ(state.midi.inDevice, 3);
  EXPECT_EQ(state.midi.outDevice, -2);
  EXPECT_EQ(state.midi.styleTx.oneBased(), 1);
  EXPECT_EQ(state.midi.basicTx.oneBased(), 13);
}

TEST_F(SettingsStoreTest, SaveRecordsPortsChannelsAndAnUnnamedFileAsEmpty) {
  AppState state;
  state.up.files[0].path = "";  // a new file that was never saved
  state.up.files[1].path = "/music/Ünïcode sets/b.ups";
  state.midi.outDevice = -1;
  state.midi.inDeviceName = "UM-ONE, extern";
  state.midi.basicTx = MidiChannel::fromOneBased(1);
  state.activeMenu = View::Keyboard;
  {
    SettingsStore store(iniPath());
    SaveSettings(store, state, 0, 7);
  }
  SettingsStore store(iniPath());
  EXPECT_EQ(store.read(key::UPSFilePathName1), QString());
  EXPECT_EQ(store.read(key::UPSFilePathName2), QString::fromUtf8("/music/Ünïcode sets/b.ups"));
  EXPECT_EQ(store.read(key::MidiInStatus), 0);
  EXPECT_EQ(store.read(key::MidiOutStatus), 7);
  EXPECT_EQ(store.read(key::MidiOutSelDev), -1);
  EXPECT_EQ(store.read(key::Basic_Channel_TX), 0);
  EXPECT_EQ(store.read(key::ActiveMenu), QStringLiteral("3"));

  AppState reloaded;
  reloaded.programFolder = "/p";
  LoadSettings(store, reloaded);
  EXPECT_EQ(reloaded.up.files[1].path, state.up.files[1].path);
  EXPECT_EQ(reloaded.midi.basicTx, state.midi.basicTx);
  EXPECT_EQ(reloaded.midi.inDeviceName, "UM-ONE, extern");
  EXPECT_EQ(reloaded.midi.outDeviceName, "");
}

}  // namespace
}  // namespace tarnwick
