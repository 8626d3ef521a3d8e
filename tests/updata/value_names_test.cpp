// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "updata/value_names.h"

namespace tarnwick {
namespace {

TEST(ValueNames, TablesEndWhereTheInstrumentsListsEnd) {
  EXPECT_EQ(ReverbMacroText(7), "7-PanDelay");
  EXPECT_EQ(ReverbMacroText(8), "");
  EXPECT_EQ(ReverbMacroText(255), "");
  EXPECT_EQ(ChorusMacroText(4), "4-FbChorus");
  EXPECT_EQ(ChorusMacroText(8), "");
  EXPECT_EQ(DelayMacroText(9), "9-PanRepeat");
  EXPECT_EQ(DelayMacroText(10), "");
  EXPECT_EQ(PadButtonText(12), "12-Piano/Standrd");
  EXPECT_EQ(PadButtonText(13), "");
  EXPECT_EQ(DBeamControllerText(19), "19-Acc&ADr On/Off");
  EXPECT_EQ(DBeamControllerText(20), "");
  EXPECT_EQ(DBeamControllerText(31), "");
}

TEST(ValueNames, FieldsAreNamedFromTheirOwnBytes) {
  UPRecord up{};
  up[128] = 3;
  up[135] = 5;
  up[144] = 8;
  up[419] = 5;
  up[420] = 5;
  up[365] = 0x30;
  up[159] = 0x08;
  EXPECT_EQ(ReverbMacroName(up), "3-Hall1");
  EXPECT_EQ(ChorusMacroName(up), "5-Flanger");
  EXPECT_EQ(DelayMacroName(up), "8-DlyToRev");
  EXPECT_EQ(Pad1ButtonName(up), "5-Tap Tempo");
  EXPECT_EQ(Pad2ButtonName(up), "5-Tap Tempo");
  EXPECT_EQ(DBeamControllerName(up), "19-Acc&ADr On/Off");
}

TEST(ValueNames, PartFlagsReadTheirOwnBits) {
  UPRecord up{};
  up[112 + 9] = 0x80 | 0x40 | 0x08 | 0x04 | 0x02 | 0x01;  // ABS: every flag set
  up[112 + 3] = 0x60 | 0x10;                               // LW1: tone change 3, spare bit
  EXPECT_EQ(PartOnText(up, 9), "OFF");
  EXPECT_EQ(PartEqText(up, 9), "OFF");
  EXPECT_EQ(PartSongLinkText(up, 9), "OFF");
  EXPECT_EQ(PartSongStatusText(up, 9), "Mut");
  EXPECT_EQ(PartToneChangeText(up, 9), "EM");
  EXPECT_EQ(PartWrapText(up, 9), "Ful");
  EXPECT_EQ(PartOnText(up, 3), "ON");
  EXPECT_EQ(PartToneChangeText(up, 3), "");
  EXPECT_EQ(PartSongStatusText(up, 3), "ON");
  up[112 + 0] = 0x20 | 0x08;
  EXPECT_EQ(PartToneChangeText(up, 0), "800");
  EXPECT_EQ(PartWrapText(up, 0), "") << "keyboard parts have no wrap range";
  up[161 + 3 * 15] = 0x80;
  EXPECT_EQ(PartToneArrangerText(up, 15), "Arr");
  EXPECT_EQ(PartToneArrangerText(up, 14), "Usr");
  up[161] = 0x80;
  EXPECT_EQ(PartToneArrangerText(up, 0), "");
}

}  // namespace
}  // namespace tarnwick
