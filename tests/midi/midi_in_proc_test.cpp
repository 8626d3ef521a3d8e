// The input handler: which window gets which message in which view, what is dropped, the bank
// memory, and that nothing arrives while the input is disabled or after it is closed.
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "midi/loopback_midi_service.h"
#include "midi/midi_api.h"
#include "recording_dialogs.h"
#include "recording_receiver.h"
#include "wait_for.h"

namespace tarnwick {
namespace {

using Log = std::vector<std::string>;

class MidiInProcTest : public ::testing::Test {
 protected:
  void SetUp() override {
    midi.setKeyboardReceiver(&keyboard);
    midi.setMonitorReceiver(&monitor);
    ASSERT_EQ(midi.OpenMidiIn(0), 0);
  }

  // What the instrument sends, handed over as the MIDI thread would, then delivered.
  void receive(std::uint32_t message, MidiInEvent event = MidiInEvent::Data) {
    ASSERT_TRUE(service.receive(0, message, event));
  }
  Log receiveAndDeliver(std::initializer_list<std::uint32_t> messages) {
    for (const std::uint32_t message : messages) receive(message);
    midi.deliverMidiIn();
    Log delivered;
    delivered.swap(log);
    return delivered;
  }

  LoopbackMidiService service;
  MidiSettings settings;
  test::RecordingDialogs dialogs;
  MidiApi midi{service, settings, dialogs};
  Log log;
  test::RecordingKeyboard keyboard{log};
  test::RecordingMonitor monitor{log, midi};
};

TEST_F(MidiInProcTest, RoutingOfNotesControllersAndProgramsInEveryView) {
  struct Row {
    View view;
    Log expected;
  };
  const Row table[] = {
      {kViewUPFile, {"keyboard note 2 60 100"}},
      {kViewDiskLink, {"keyboard note 2 60 100"}},
      {kViewTone, {"keyboard note 2 60 100", "monitor control 12 7 90", "monitor program 12 5 bank 0/0"}},
      {kViewKeyboard, {"keyboard note 2 60 100", "keyboard control 12 7 90"}},
  };
  for (const Row& row : table) {
    SCOPED_TRACE(static_cast<int>(row.view));
    midi.setActiveMenu(row.view);
    EXPECT_EQ(receiveAndDeliver({0x643C92, 0x5A07BC, 0x05CC}), row.expected);
  }
}

TEST_F(MidiInProcTest, NoteOffAndZeroVelocityReachTheKeyboardAsTheyAre) {
  EXPECT_EQ(receiveAndDeliver({0x003C93, 0x403C83}), (Log{"keyboard note 3 60 0", "keyboard note 3 60 64"}));
}

TEST_F(MidiInProcTest, ClockSensingPressureBendAndSystemMessagesReachNoWindow) {
  midi.setActiveMenu(kViewKeyboard);
  EXPECT_TRUE(receiveAndDeliver({0xF8, 0xFE, 0x407FA2, 0x40D2, 0x4000E1, 0xFA, 0xFC, 0x0201F2, 0xFF}).empty());
  midi.setActiveMenu(kViewTone);
  EXPECT_TRUE(receiveAndDeliver({0xF8, 0xFE, 0x407FA2, 0x40D2, 0x4000E1}).empty());
  for (int channel = 0; channel < 16; ++channel) {
    EXPECT_EQ(midi.MidiInBankMSB(MidiChannel::fromZeroBased(channel)), 0);
    EXPECT_EQ(midi.MidiInBankLSB(MidiChannel::fromZeroBased(channel)), 0);
  }
}

TEST_F(MidiInProcTest, OnlyShortMessageEventsAreDecoded) {
  midi.setActiveMenu(kViewTone);
  for (const MidiInEvent event :
       {MidiInEvent::Open, MidiInEvent::Close, MidiInEvent::LongData, MidiInEvent::Error}) {
    receive(0x643C90, event);
    receive(0x7800BC, event);
  }
  midi.deliverMidiIn();
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(midi.MidiInBankMSB(MidiChannel::fromZeroBased(12)), 0);
}

TEST_F(MidiInProcTest, BankSelectIsRememberedPerChannelAndHandedToNoWindow) {
  midi.setActiveMenu(kViewKeyboard);
  EXPECT_TRUE(receiveAndDeliver({0x7800BC, 0x0220BC, 0x05CC, 0x7F00B0}).empty());
  EXPECT_EQ(midi.MidiInBankMSB(MidiChannel::fromZeroBased(12)), 120);
  EXPECT_EQ(midi.MidiInBankLSB(MidiChannel::fromZeroBased(12)), 2);
  EXPECT_EQ(midi.MidiInBankMSB(MidiChannel::fromZeroBased(0)), 127);
  EXPECT_EQ(midi.MidiInBankLSB(MidiChannel::fromZeroBased(0)), 0);

  midi.setActiveMenu(kViewTone);
  EXPECT_EQ(receiveAndDeliver({0x7800BC, 0x05CC}), (Log{"monitor program 12 5 bank 120/2"}));
}

TEST_F(MidiInProcTest, AProgramChangeIsReadWithTheBankThatPrecededIt) {
  midi.setActiveMenu(kViewTone);
  // Both UP changes arrive before the window thread gets to the first one.
  EXPECT_EQ(receiveAndDeliver({0x7800BC, 0x05CC, 0x7900BC, 0x06CC}),
            (Log{"monitor program 12 5 bank 120/0", "monitor program 12 6 bank 121/0"}));
  EXPECT_EQ(midi.MidiInBankMSB(MidiChannel::fromZeroBased(12)), 121);
}

TEST_F(MidiInProcTest, NothingIsDecodedWhileDisabledOrAfterAClose) {
  midi.setActiveMenu(kViewTone);
  midi.setMidiInEnabled(false);
  EXPECT_TRUE(receiveAndDeliver({0x643C90, 0x7800BC, 0x05CC}).empty());
  EXPECT_EQ(midi.MidiInBankMSB(MidiChannel::fromZeroBased(12)), 0);

  // Queued while enabled, then the setup dialog opens before the window thread gets to them.
  midi.setMidiInEnabled(true);
  receive(0x643C90);
  midi.setMidiInEnabled(false);
  midi.deliverMidiIn();
  EXPECT_TRUE(log.empty());

  // Queued, then closed: a reopened port does not bring them back.
  midi.setMidiInEnabled(true);
  receive(0x643C91);
  midi.CloseMidiIn();
  EXPECT_FALSE(service.receive(0, 0x643C92));
  ASSERT_EQ(midi.OpenMidiIn(0), 0);
  midi.deliverMidiIn();
  EXPECT_TRUE(log.empty());
}

TEST_F(MidiInProcTest, AReceiverThatClosesTheInputStopsTheDelivery) {
  class Closer final : public KeyboardReceiver {
   public:
    Closer(MidiApi& midi, int& calls) : midi_(midi), calls_(calls) {}
    void NoteReceived(MidiChannel, std::uint8_t, std::uint8_t) override {
      ++calls_;
      midi_.CloseMidiIn();
    }
    void ControlReceived(MidiChannel, std::uint8_t, std::uint8_t) override {}

   private:
    MidiApi& midi_;
    int& calls_;
  };
  int calls = 0;
  Closer closer(midi, calls);
  midi.setKeyboardReceiver(&closer);
  receive(0x643C90);
  receive(0x643D90);
  midi.deliverMidiIn();
  EXPECT_EQ(calls, 1);
}

TEST_F(MidiInProcTest, MessagesFromTheMidiThreadArriveInOrderThroughTheEventLoop) {
  constexpr int kCount = 3000;
  std::thread midiThread([this] {
    for (int i = 0; i < kCount; ++i) service.receive(0, PackShortMessage(0x90 + i % 16, i % 128, (i / 128) % 128));
  });
  const bool allThere = test::WaitFor([this] { return log.size() >= static_cast<std::size_t>(kCount); });
  midiThread.join();
  ASSERT_TRUE(allThere) << log.size() << " of " << kCount;
  for (int i = 0; i < kCount; ++i) {
    ASSERT_EQ(log[i], "keyboard note " + std::to_string(i % 16) + " " + std::to_string(i % 128) + " " +
                          std::to_string((i / 128) % 128))
        << i;
  }
  EXPECT_EQ(midi.midiInOverflows(), 0u);
}

TEST_F(MidiInProcTest, AWindowThreadFarBehindLosesOnlyTheLatestMessagesAndCountsThem) {
  for (int i = 0; i < 5000; ++i) receive(PackShortMessage(0x90, i % 128, 1));
  midi.deliverMidiIn();
  EXPECT_EQ(log.size(), 4096u);
  EXPECT_EQ(log.front(), "keyboard note 0 0 1");
  EXPECT_EQ(midi.midiInOverflows(), 5000u - 4096u);
}

}  // namespace
}  // namespace tarnwick
