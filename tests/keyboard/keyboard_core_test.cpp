// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard view's rules without widgets: where keys sit, what a press plays, how keys are
// coloured and named, how incoming notes light them, and what is kept between runs.
#include <gtest/gtest.h>

#include "state/settings_store.h"
#include "keyboard/computer_keys.h"
#include "keyboard/key_geometry.h"
#include "keyboard/key_states.h"
#include "keyboard/key_texts.h"
#include "keyboard/keyboard_settings.h"
#include "keyboard/mouse_play.h"
#include "support/temp_folder.h"

namespace tarnwick {
namespace {

TEST(KeyGeometry, WidthTwentyFourPlacesKeysZonesAndPicture) {
  const KeyboardLayout layout = LayoutKeyboard(24);
  EXPECT_EQ(layout.keys[0].left, 0);
  EXPECT_EQ(layout.keys[0].width, 375);
  EXPECT_EQ(layout.keys[1].width, 180);
  EXPECT_EQ(layout.keys[1].left, 360 - 90);  // centred on the C / D boundary
  EXPECT_EQ(layout.keys[12].left, 7 * 360);
  EXPECT_EQ(layout.keys[127].right(), layout.pictureWidth);
  EXPECT_EQ(layout.zoneEdges, (std::array<int, 4>{0, 21 * 360, 57 * 360, 75 * 360 + 15}));
  EXPECT_EQ(LayoutKeyboard(13).blackKeyWidth, 98);  // 97.5 rounded
}

TEST(KeyGeometry, StoredWidthsOutsideTheChoicesReadAsThirteen) {
  EXPECT_EQ(NormalisedWhiteKeyPixels(18), 18);
  for (const double stored : {0.0, 12.0, 13.5, -24.0, 240.0}) EXPECT_EQ(NormalisedWhiteKeyPixels(stored), 13);
  EXPECT_EQ(LayoutKeyboard(99).whiteKeyWidth, 195);
}

TEST(KeyGeometry, APointFindsTheBlackKeyInFrontOfTheWhiteOnes) {
  const KeyboardLayout layout = LayoutKeyboard(24);
  EXPECT_EQ(KeyAt(layout, 360, 100), 1);                  // on the C / D boundary, up high: C#
  EXPECT_EQ(KeyAt(layout, 360, 900), 2);                  // same x, below the black key: D
  EXPECT_EQ(KeyAt(layout, 10, 10), 0);
  EXPECT_EQ(KeyAt(layout, layout.pictureWidth - 5, 1000), 127);
  EXPECT_EQ(KeyAt(layout, 10, kWhiteKeyHeight), -1);      // the zone labels
  EXPECT_EQ(KeyAt(layout, layout.pictureWidth, 10), -1);
}

TEST(KeyTexts, VelocityFromThePressHeightNeverZero) {
  EXPECT_EQ(VelocityFromPress(0), 127);
  EXPECT_EQ(VelocityFromPress(63.6), 63);
  EXPECT_EQ(VelocityFromPress(126), 1);
  // The last units of the key would give 0 (a note-off) or wrap to the loudest: both play softest.
  EXPECT_EQ(VelocityFromPress(127), 1);
  EXPECT_EQ(VelocityFromPress(128), 1);
  EXPECT_EQ(VelocityFromPress(-3), 127);
}

TEST(KeyTexts, VelocityColoursDeepenWithTheVelocity) {
  EXPECT_EQ(VelocityColor(KeyColor::Red, 100), (Rgb{156, 56, 56}));
  EXPECT_EQ(VelocityColor(KeyColor::Green, 100), (Rgb{56, 156, 56}));
  EXPECT_EQ(VelocityColor(KeyColor::Blue, 100), (Rgb{56, 56, 156}));
  EXPECT_EQ(VelocityColor(KeyColor::Green, 1), (Rgb{254, 255, 254}));  // 256 counts as 255
  EXPECT_EQ(VelocityColor(KeyColor::Red, 127), (Rgb{129, 2, 2}));
  EXPECT_EQ(NormalisedKeyColor(2), KeyColor::Blue);
  EXPECT_EQ(NormalisedKeyColor(3), KeyColor::Green);
}

TEST(KeyTexts, NoteNamesAndPans) {
  EXPECT_EQ(NoteName(60), "C4");
  EXPECT_EQ(NoteName(0), "C-1");
  EXPECT_EQ(NoteName(127), "G9");
  EXPECT_EQ(NoteName(61), "C#4");
  EXPECT_EQ(PanToString(0), "Rnd");
  EXPECT_EQ(PanToString(63), "L1");
  EXPECT_EQ(PanToString(64), "0");
  EXPECT_EQ(PanToString(127), "R63");
}

TEST(KeyStates, ChangesGatherForOneFrameAndNoReleaseIsLost) {
  KeyStates keys;
  EXPECT_TRUE(keys.show(60, 100, KeyColor::Green));   // the first change asks for a frame
  EXPECT_FALSE(keys.show(60, 0, KeyColor::Green));    // the rest join it
  EXPECT_FALSE(keys.show(64, 90, KeyColor::Green));
  const std::bitset<kKeyCount> changed = keys.takeChanged();
  EXPECT_EQ(changed.count(), 2u);
  EXPECT_TRUE(changed.test(60));
  EXPECT_FALSE(keys.lit(60));  // lit and released within one frame: dark when painted
  EXPECT_TRUE(keys.lit(64));
  EXPECT_FALSE(keys.hasChanges());
  EXPECT_TRUE(keys.releaseAll());
  EXPECT_EQ(keys.takeChanged().count(), 1u);  // only the lit key needs painting
  EXPECT_FALSE(keys.releaseAll());
}

TEST(MousePlay, TheButtonThatStartedANoteEndsItAndNoOtherStartsASecond) {
  MousePlay play;
  const auto on = play.press(2, 60, 0);  // a right button plays too
  ASSERT_TRUE(on);
  EXPECT_EQ(on->note, 60);
  EXPECT_EQ(on->velocity, 127);
  EXPECT_FALSE(play.press(1, 62, 10));   // a second button meanwhile: no second note
  EXPECT_FALSE(play.release(1));         // and its release ends nothing
  EXPECT_EQ(play.release(2), 60);        // wherever the pointer is now
  EXPECT_FALSE(play.release(2));
  ASSERT_TRUE(play.press(1, 62, 128));
  play.forget();
  EXPECT_FALSE(play.release(1));
  EXPECT_FALSE(play.press(1, 128, 0));
}

TEST(ComputerKeys, TwoRowsPlayFromCAndTheOctaveAndVelocityStayInRange) {
  ComputerKeys keys;
  const struct {
    int key;
    int note;
  } row[] = {{Qt::Key_A, 60}, {Qt::Key_W, 61}, {Qt::Key_J, 71}, {Qt::Key_K, 72}, {Qt::Key_P, 75},
             {Qt::Key_Semicolon, 76}};
  for (const auto& [key, note] : row) {
    const auto on = keys.press(key);
    ASSERT_TRUE(on) << note;
    EXPECT_EQ(on->note, note);
    EXPECT_EQ(on->velocity, 100);
    EXPECT_FALSE(keys.press(key)) << "a held key plays once";
    EXPECT_EQ(keys.release(key), note);
  }
  EXPECT_FALSE(keys.press(Qt::Key_B));
  EXPECT_FALSE(keys.release(Qt::Key_A));

  for (int i = 0; i < 12; ++i) keys.press(Qt::Key_Z);
  EXPECT_EQ(keys.firstNote(), 0);
  for (int i = 0; i < 12; ++i) keys.press(Qt::Key_X);
  EXPECT_EQ(keys.firstNote(), 120);
  EXPECT_EQ(keys.press(Qt::Key_G)->note, 127);
  EXPECT_FALSE(keys.press(Qt::Key_Y)) << "beyond note 127";
  for (int i = 0; i < 20; ++i) keys.press(Qt::Key_C);
  EXPECT_EQ(keys.velocity(), 1);  // never 0, which is a note-off on the wire
  for (int i = 0; i < 20; ++i) keys.press(Qt::Key_V);
  EXPECT_EQ(keys.velocity(), 127);
  EXPECT_EQ(keys.releaseAll(), std::vector<int>{127});
  EXPECT_TRUE(keys.releaseAll().empty());
}

TEST(KeyboardSettings, ReadWithDefaultsAndWrittenWithoutTheChannel) {
  testing::TempFolder folder;
  const QString ini = QString::fromStdString(folder.file("Tarnwick.ini"));
  {
    SettingsStore store(ini);
    const KeyboardSettings defaults = ReadKeyboardSettings(store);
    EXPECT_EQ(defaults.midiInMode, MidiInMode::Omni);
    EXPECT_TRUE(defaults.keyboardToMidiOut);
    EXPECT_EQ(defaults.curChannel, 3);
    EXPECT_EQ(defaults.whiteKeyPixels, 13);
    EXPECT_EQ(defaults.keyColor, KeyColor::Green);
    store.writeText("Keyboard", "CurChannel", QStringLiteral("7"));
    store.writeText("Keyboard", "WhiteKeyWidth", QStringLiteral("17"));
    store.writeText("Keyboard", "KeyColor", QStringLiteral("5"));
    store.writeText("Keyboard", "MidiIn_To_KeyboardMode", QStringLiteral("2"));
    const KeyboardSettings odd = ReadKeyboardSettings(store);
    EXPECT_EQ(odd.curChannel, 7);
    EXPECT_EQ(odd.whiteKeyPixels, 13);
    EXPECT_EQ(odd.keyColor, KeyColor::Green);
    EXPECT_EQ(odd.midiInMode, MidiInMode::Mono);
    WriteKeyboardSettings(store, {MidiInMode::Off, false, 11, 24, KeyColor::Blue});
    store.sync();
  }
  SettingsStore store(ini);
  const KeyboardSettings back = ReadKeyboardSettings(store);
  EXPECT_EQ(back.midiInMode, MidiInMode::Off);
  EXPECT_FALSE(back.keyboardToMidiOut);
  EXPECT_EQ(back.whiteKeyPixels, 24);
  EXPECT_EQ(back.keyColor, KeyColor::Blue);
  EXPECT_EQ(back.curChannel, 7);  // never written
  EXPECT_EQ(store.readText("Keyboard", "WhiteKeyWidth", {}), QStringLiteral("24"));
}

}  // namespace
}  // namespace tarnwick
