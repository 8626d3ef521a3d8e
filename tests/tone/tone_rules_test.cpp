// SPDX-License-Identifier: GPL-3.0-or-later
// The Tone view without widgets: which rows a browser lists, what the monitor shows for a program
// change, and the settings of sections "Tone" and "DrumSet".
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "state/settings_store.h"
#include "tone/browser_model.h"
#include "tone/browser_settings.h"
#include "tone/monitor_rules.h"
#include "tone/tone_tables.h"

namespace tarnwick {
namespace {

using testing::SmallTables;

std::vector<int> Entries(const std::vector<BrowserRow>& rows) {
  std::vector<int> entries;
  for (const BrowserRow& row : rows) entries.push_back(row.entry);
  return entries;
}

BrowserFilterTexts Filters(const char* msb, const char* lsb, const char* program, const char* name) {
  return {QString(), QString::fromLatin1(msb), QString::fromLatin1(lsb), QString::fromLatin1(program),
          QString::fromLatin1(name)};
}

TEST(BrowserRows, EachFilterAndShowPlus) {
  const NameTables tables = SmallTables();
  const auto rows = [&](const BrowserFilterTexts& filters, int markPos, bool showPlus) {
    return Entries(BuildBrowserRows(tables, false, filters, markPos, showPlus));
  };
  // The unnamed slots (0/0/0) are never listed.
  EXPECT_EQ(Entries(BuildBrowserRows(tables, false, {}, 1, true)), (std::vector<int>{0, 1, 2, 3, 4, 5}));
  EXPECT_EQ(rows(Filters("0", "", "", ""), 1, true), (std::vector<int>{0, 1, 3}));
  EXPECT_EQ(Entries(BuildBrowserRows(tables, false, Filters("", "3", "", ""), 1, true)), (std::vector<int>{2}));
  EXPECT_EQ(Entries(BuildBrowserRows(tables, false, Filters("", "", "128", ""), 1, true)), (std::vector<int>{3}));
  EXPECT_EQ(Entries(BuildBrowserRows(tables, false, Filters("", "", "", "piano 1"), 0, true)),
            (std::vector<int>{0, 5}));
  // The level mark is part of the text matched: with the mark after the name, "1\"" matches
  // Piano 1 (LSB 1) and Piano 1w does not end that way.
  EXPECT_EQ(Entries(BuildBrowserRows(tables, false, Filters("", "", "", "1\""), 2, true)), (std::vector<int>{0}));
  EXPECT_EQ(Entries(BuildBrowserRows(tables, false, Filters("", "", "", "+"), 1, true)), (std::vector<int>{4}));
  EXPECT_TRUE(BuildBrowserRows(tables, false, Filters("", "", "", "+"), 1, false).empty());
  // Drum sets: the one with program 128 is a plus entry.
  EXPECT_EQ(Entries(BuildBrowserRows(tables, true, Filters("0", "", "", ""), 1, false)).front(), 0);
  EXPECT_EQ(BuildBrowserRows(tables, true, {}, 1, false).size(), std::size_t{1});
  EXPECT_EQ(BuildBrowserRows(tables, true, {}, 1, true)[1].name, "+Plus Kit");
}

TEST(Monitor, UPsOnTheBasicChannelTonesAndDrumSetsElsewhere) {
  const NameTables tables = SmallTables();
  const auto up = [&](int channel, int program, int msb, int lsb) {
    return ProgramChangeShown(tables, channel, program, msb, lsb, 11);
  };
  EXPECT_EQ(up(11, 0, 121, 0).upLabel, QStringLiteral("C11"));
  EXPECT_EQ(up(11, 63, 121, 0).upLabel, QStringLiteral("C88"));
  EXPECT_EQ(up(11, 0, 120, 0).upLabel, QStringLiteral("A11"));
  EXPECT_FALSE(up(11, 0, 121, 0).channelLabel);
  const MonitorUpdate panel = up(11, 0, 127, 0);
  EXPECT_EQ(panel.upLabel, QStringLiteral("00"));
  EXPECT_FALSE(panel.channelLabel);
  // 127 with another program on the basic channel is a tone lookup.
  EXPECT_FALSE(up(11, 1, 127, 0).upLabel);
  // The same UP select on another channel looks for a tone (121, 0, 1): there is none.
  const MonitorUpdate elsewhere = ProgramChangeShown(tables, 11, 0, 121, 0, 3);
  EXPECT_FALSE(elsewhere.upLabel);
  EXPECT_EQ(elsewhere.channelLabel, QString());

  EXPECT_EQ(up(0, 127, 0, 0).channelLabel, QStringLiteral("Top"));
  EXPECT_EQ(up(3, 0, 0, 1).channelLabel, QStringLiteral("\"Piano 1"));  // the mark before the name
  EXPECT_EQ(up(9, 127, 0, 0).channelLabel, QStringLiteral("+Plus Kit"));
  EXPECT_EQ(up(15, 0, 0, 0).channelLabel, QStringLiteral("Standard"));
  EXPECT_EQ(up(8, 0, 0, 0).channelLabel, QString());  // no tone 0/0/1 among the tones
  EXPECT_EQ(MonitorChannelTitle(14), QStringLiteral("MI    - Channel 15"));
}

TEST(ToneSettings, ReadDefaultsRejectValuesOutOfRangeAndWriteBack) {
  QTemporaryDir folder;
  SettingsStore store(folder.filePath(QStringLiteral("settings.ini")));
  const BrowserSettings tones = ReadBrowserSettings(store, false);
  EXPECT_EQ(tones.markPos, 1);
  EXPECT_TRUE(tones.showPlus && tones.gridToMidiOut);
  EXPECT_EQ(tones.channel, 3);
  EXPECT_EQ(ReadBrowserSettings(store, true).channel, 9);
  EXPECT_FALSE(ReadMonitorOn(store));

  store.writeText("Tone", "MarkPos", QStringLiteral("7"));
  store.writeText("Tone", "CurChannel", QStringLiteral("16"));
  EXPECT_EQ(ReadBrowserSettings(store, false).markPos, 1);
  EXPECT_EQ(ReadBrowserSettings(store, false).channel, 3);
  // Channels the window has no option for: the drum channels for tones, a tone channel for drums.
  store.writeText("Tone", "CurChannel", QStringLiteral("9"));
  store.writeText("DrumSet", "CurChannel", QStringLiteral("3"));
  EXPECT_EQ(ReadBrowserSettings(store, false).channel, 3);
  EXPECT_EQ(ReadBrowserSettings(store, true).channel, 9);

  WriteBrowserSettings(store, true, {2, false, false, 15});
  WriteMonitorOn(store, true);
  EXPECT_EQ(store.readText("DrumSet", "MarkPos", {}), QStringLiteral("2"));
  EXPECT_EQ(store.readText("DrumSet", "ShowPlus", {}), QStringLiteral("0"));
  EXPECT_EQ(store.readText("DrumSet", "CurChannel", {}), QStringLiteral("15"));
  const BrowserSettings drums = ReadBrowserSettings(store, true);
  EXPECT_EQ(drums.markPos, 2);
  EXPECT_FALSE(drums.showPlus || drums.gridToMidiOut);
  EXPECT_TRUE(ReadMonitorOn(store));
  EXPECT_EQ(ReadBrowserSettings(store, false).markPos, 1);  // the tone section is its own
}

}  // namespace
}  // namespace tarnwick
