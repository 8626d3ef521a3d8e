// The bytes every sender puts on the wire, through MidiApi and the loopback service.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "midi/loopback_midi_service.h"
#include "midi/midi_api.h"
#include "midi/midi_result.h"
#include "midi/selection_messages.h"
#include "recording_dialogs.h"

namespace tarnwick {
namespace {

using Wire = std::vector<std::string>;

class MidiSendersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    service.setLoop(0, -1);
    ASSERT_EQ(midi.OpenMidiOut(0), kMidiOk);
  }

  LoopbackMidiService service;
  MidiSettings settings;
  test::RecordingDialogs dialogs;
  MidiApi midi{service, settings, dialogs};
};

TEST_F(MidiSendersTest, UPSelectOfId130GoesOutOnTheBasicChannel) {
  EXPECT_TRUE(midi.SendUPSelect(130));
  EXPECT_EQ(service.sentText(), (Wire{"BC 00 79", "BC 20 00", "CC 02"}));
}

TEST_F(MidiSendersTest, UPSelectFollowsTheBasicChannelButPartSwitchesStayOnChannel13) {
  settings.basicTx = MidiChannel::fromZeroBased(0);
  midi.SendUPSelect(5);
  midi.SendPartSwitch(*PartSwitchNumber(kPartUP2), false);
  EXPECT_EQ(service.sentText(), (Wire{"B0 00 78", "B0 20 00", "C0 05", "BC 63 4F", "BC 62 13", "BC 06 00",
                                      "BC 65 7F", "BC 64 7F"}));
}

TEST_F(MidiSendersTest, UPSelectOutsideTheInstrumentsRangeSendsNothing) {
  EXPECT_FALSE(midi.SendUPSelect(192));
  EXPECT_FALSE(midi.SendUPSelect(-1));
  EXPECT_TRUE(service.sent().empty());
}

TEST_F(MidiSendersTest, PartSwitchOnSendsDataValue127) {
  midi.SendPartSwitch(0x25, true);
  EXPECT_EQ(service.sentText(), (Wire{"BC 63 4F", "BC 62 25", "BC 06 7F", "BC 65 7F", "BC 64 7F"}));
}

TEST_F(MidiSendersTest, ArrangerDivisionIsOneProgramChangeOnTheStyleChannel) {
  midi.SendArrangerDivision(*ArrangerDivisionProgram("In-Adv"));
  settings.styleTx = MidiChannel::fromOneBased(1);
  midi.SendArrangerDivision(*ArrangerDivisionProgram("TV-Adv"));
  EXPECT_EQ(service.sentText(), (Wire{"C9 41", "C0 61"}));
}

TEST_F(MidiSendersTest, NotesSoundOffStartAndStop) {
  const MidiChannel channel = MidiChannel::fromZeroBased(3);
  midi.SendNoteOn(channel, 60, 100);
  midi.SendNoteOff(channel, 60);
  midi.SendAllSoundOff(channel);
  midi.SendStart();
  midi.SendStop();
  EXPECT_EQ(service.sentText(), (Wire{"93 3C 64", "93 3C 00", "B3 78 00", "FA", "FC"}));
}

TEST_F(MidiSendersTest, BankProgramOfAToneRowAndAFreeSend) {
  const BankProgram tone = ToneSelect(0, 8, 1);
  midi.SendBankProgram(MidiChannel::fromZeroBased(0), tone.msb, tone.lsb, tone.program);
  const BankProgram free = FreeSend(87, 3, 200);
  midi.SendBankProgram(MidiChannel::fromZeroBased(15), free.msb, free.lsb, free.program);
  EXPECT_EQ(service.sentText(), (Wire{"B0 00 00", "B0 20 08", "C0 00", "BF 00 57", "BF 20 03", "CF 7F"}));
}

TEST_F(MidiSendersTest, NothingIsSentOrShownWhileTheOutputIsClosed) {
  midi.CloseMidiOut();
  EXPECT_EQ(midi.hMidiOut(), 0);
  EXPECT_FALSE(midi.SendUPSelect(0));
  midi.SendBankProgram(MidiChannel{}, 1, 2, MidiProgramNumber{});
  midi.SendNrpnPart(MidiChannel{}, 1, 2, 3);
  midi.SendPartSwitch(16, true);
  midi.SendArrangerDivision(MidiProgramNumber{});
  midi.SendNoteOn(MidiChannel{}, 60, 1);
  midi.SendNoteOff(MidiChannel{}, 60);
  midi.SendAllSoundOff(MidiChannel{});
  midi.SendStart();
  midi.SendStop();
  midi.SendShortMessage(0x90, 1, 1);
  EXPECT_TRUE(service.sent().empty());
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(MidiSendersTest, EveryRefusedMessageShowsTheErrorAndTheSequenceGoesOn) {
  service.setSendResult(kMidiErrDeviceGone);
  midi.SendUPSelect(3);
  ASSERT_EQ(dialogs.messages.size(), 3u);
  for (const auto& message : dialogs.messages) {
    EXPECT_EQ(message.title, "MIDI Out");
    EXPECT_EQ(message.text.toStdString(), MidiResultText(kMidiErrDeviceGone));
    EXPECT_EQ(message.icon, UserDialogs::Icon::Exclamation);
  }
}

}  // namespace
}  // namespace tarnwick
