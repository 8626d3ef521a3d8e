// SPDX-License-Identifier: GPL-3.0-or-later
// The bytes every sender, and every window's selection turned into numbers, puts on the wire.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "midi/midi_result.h"
#include "midi/selection_messages.h"
#include "midi_test_support.h"

namespace tarnwick {
namespace {

using Wire = std::vector<std::string>;

class MidiSendersTest : public ::testing::Test, protected test::MidiRig<LoopbackMidiService> {
 protected:
  void SetUp() override {
    service.setLoop(0, -1);
    ASSERT_EQ(midi.OpenMidiOut(0), kMidiOk);
  }
};

TEST_F(MidiSendersTest, UPSelectAtTheEdgesOfBothBanksOnTheBasicChannelAndNothingBeyond) {
  for (const int id : {0, 127, 128, 130, 191}) EXPECT_TRUE(midi.SendUPSelect(id)) << id;
  for (const int id : {192, -1, 65535}) EXPECT_FALSE(midi.SendUPSelect(id)) << id;
  settings.basicTx = MidiChannel::fromZeroBased(0);
  midi.SendUPSelect(5);
  EXPECT_EQ(service.sentText(), (Wire{"BC 00 78", "BC 20 00", "CC 00", "BC 00 78", "BC 20 00", "CC 7F",
                                      "BC 00 79", "BC 20 00", "CC 00", "BC 00 79", "BC 20 00", "CC 02",
                                      "BC 00 79", "BC 20 00", "CC 3F", "B0 00 78", "B0 20 00", "C0 05"}));
}

TEST(UPSelectReadingTest, TheReceivedSelectNamesTheUPThatWasSentAndNothingElse) {
  for (int id = 0; id < kSelectableUPCount; ++id) {
    const std::optional<BankProgram> sent = UPSelect(id);
    ASSERT_TRUE(sent) << id;
    EXPECT_EQ(UPFromSelect(sent->msb, sent->program), std::optional<int>(id)) << id;
  }
  for (int program = 64; program < 128; ++program) {
    EXPECT_EQ(UPFromSelect(121, MidiProgramNumber::fromZeroBased(program)), std::nullopt) << program;
  }
  for (const std::uint8_t msb : {0, 119, 122, 127}) {
    EXPECT_EQ(UPFromSelect(msb, MidiProgramNumber::fromZeroBased(5)), std::nullopt) << int{msb};
    EXPECT_FALSE(IsUPSelectBank(msb)) << int{msb};
  }
  EXPECT_TRUE(IsUPSelectBank(120) && IsUPSelectBank(121));
}

TEST_F(MidiSendersTest, PartSwitchesStayOnChannel13AndArrangerDivisionsFollowTheStyleChannel) {
  settings.basicTx = MidiChannel::fromZeroBased(0);
  midi.SendPartSwitch(*PartSwitchNumber(kPartUP2), false);
  midi.SendPartSwitch(*PartSwitchNumber(kPartLW2), true);
  EXPECT_FALSE(PartSwitchNumber(16).has_value());
  midi.SendArrangerDivision(*ArrangerDivisionProgram("In-Adv"));
  settings.styleTx = MidiChannel::fromOneBased(1);
  midi.SendArrangerDivision(*ArrangerDivisionProgram("TV-Adv"));
  EXPECT_FALSE(ArrangerDivisionProgram("in-adv").has_value());
  EXPECT_EQ(service.sentText(), (Wire{"BC 63 4F", "BC 62 13", "BC 06 00", "BC 65 7F", "BC 64 7F", "BC 63 4F",
                                      "BC 62 27", "BC 06 7F", "BC 65 7F", "BC 64 7F", "C9 41", "C0 61"}));
}

TEST_F(MidiSendersTest, ToneRowsCountFromOneAndTheFreeSendRoundsHalvesToEvenWithinSevenBits) {
  const BankProgram tone = ToneSelect(0, 8, 1);
  midi.SendBankProgram(MidiChannel::fromZeroBased(0), tone.msb, tone.lsb, tone.program);
  const BankProgram free = FreeSend(41.6, 62.5, 200);
  midi.SendBankProgram(MidiChannel::fromZeroBased(15), free.msb, free.lsb, free.program);
  EXPECT_EQ(service.sentText(), (Wire{"B0 00 00", "B0 20 08", "C0 00", "BF 00 2A", "BF 20 3E", "CF 7F"}));
  const std::pair<double, int> bytes[] = {
      {63.5, 64}, {-3, 0}, {1e300, 127}, {std::numeric_limits<double>::infinity(), 127}, {std::nan(""), 0}};
  for (const auto& [value, byte] : bytes) EXPECT_EQ(FreeSendByte(value), byte) << value;
}

TEST_F(MidiSendersTest, NotesSoundOffStartStopAndTheWireLengthOfEachKind) {
  const MidiChannel channel = MidiChannel::fromZeroBased(3);
  midi.SendNoteOn(channel, 60, 100);
  midi.SendNoteOff(channel, 60);
  midi.SendAllSoundOff(channel);
  midi.SendStart();
  midi.SendStop();
  midi.SendShortMessage(0xD3, 0x40, 0x00);
  midi.SendShortMessage(0xF2, 0x01, 0x02);
  EXPECT_EQ(service.sentText(), (Wire{"93 3C 64", "93 3C 00", "B3 78 00", "FA", "FC", "D3 40", "F2 01 02"}));
}

TEST_F(MidiSendersTest, AClosedOutputSendsNothingAndEveryRefusedMessageShowsItsError) {
  midi.CloseMidiOut();
  EXPECT_FALSE(midi.SendUPSelect(0));
  midi.SendPartSwitch(16, true);
  midi.SendShortMessage(0x90, 1, 1);
  EXPECT_TRUE(service.sent().empty());
  EXPECT_TRUE(dialogs.shown.empty());

  ASSERT_EQ(midi.OpenMidiOut(0), kMidiOk);
  service.setSendResult(kMidiErrDeviceGone);
  EXPECT_FALSE(midi.SendUPSelect(3)) << "a refused select is not sent";  // all three are tried
  ASSERT_EQ(dialogs.shown.size(), 3u);
  for (const auto& shown : dialogs.shown) {
    EXPECT_EQ(shown.title, "MIDI Out");
    EXPECT_EQ(shown.text.toStdString(), MidiResultText(kMidiErrDeviceGone));
    EXPECT_EQ(shown.icon, UserDialogs::Icon::Exclamation);
  }
}

}  // namespace
}  // namespace tarnwick
