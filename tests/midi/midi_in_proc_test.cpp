// SPDX-License-Identifier: GPL-3.0-or-later
// The input handler: which window gets which message in which view, what is dropped, the bank
// memory, and that nothing arrives while the input is disabled or after it is closed.
#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "midi_test_support.h"

namespace tarnwick {
namespace {

using test::Log;

class MidiInProcTest : public ::testing::Test, protected test::MidiRig<LoopbackMidiService> {
 protected:
  void SetUp() override {
    midi.setKeyboardReceiver(&keyboard);
    midi.setMonitorReceiver(&monitor);
    midi.setUPSelectReceiver(&upSelect);
    ASSERT_EQ(midi.OpenMidiIn(0), 0);
  }

  // What the instrument sends, handed over as the MIDI thread would.
  void receive(std::uint32_t message, MidiInEvent event = MidiInEvent::Data) {
    ASSERT_TRUE(service.receive(0, message, event));
  }
  // ... then delivered on the window thread; returns what the receivers got.
  Log receiveAndDeliver(std::initializer_list<std::uint32_t> messages) {
    for (const std::uint32_t message : messages) receive(message);
    midi.deliverMidiIn();
    Log delivered;
    delivered.swap(log);
    return delivered;
  }

  Log log;
  test::RecordingKeyboard keyboard{log};
  test::RecordingMonitor monitor{log, midi};
  test::RecordingUPSelect upSelect{log};
};

TEST_F(MidiInProcTest, NotesGoToTheKeyboardAsTheyAreAndControllersAndProgramsByView) {
  const Log notes = {"keyboard note 2 60 100", "keyboard note 3 60 0", "keyboard note 3 60 0"};
  const std::pair<View, Log> table[] = {
      {View::UPFile, {}},
      {View::DiskLink, {}},
      {View::Tone, {"monitor control 12 7 90", "monitor program 12 5 0/0"}},
      {View::Keyboard, {"keyboard control 12 7 90"}},
  };
  for (const auto& [view, others] : table) {
    midi.setActiveMenu(view);
    Log expected = notes;
    expected.insert(expected.end(), others.begin(), others.end());
    EXPECT_EQ(receiveAndDeliver({0x643C92, 0x003C93, 0x403C83, 0x5A07BC, 0x05CC}), expected) << static_cast<int>(view);
  }
}

TEST_F(MidiInProcTest, ClockSensingPressureBendSystemMessagesAndOtherEventsReachNoWindow) {
  for (const View view : {View::Keyboard, View::Tone}) {
    midi.setActiveMenu(view);
    EXPECT_EQ(receiveAndDeliver({0xF8, 0xFE, 0x407FA2, 0x40D2, 0x4000E1, 0xFA, 0xFC, 0x0201F2, 0xFF}), Log{});
    for (const MidiInEvent event :
         {MidiInEvent::Open, MidiInEvent::Close, MidiInEvent::LongData, MidiInEvent::Error}) {
      receive(0x643C90, event);
      receive(0x7800BC, event);
    }
    midi.deliverMidiIn();
    EXPECT_EQ(log, Log{}) << static_cast<int>(view);
  }
  for (int channel = 0; channel < 16; ++channel) EXPECT_EQ(test::Bank(midi, channel), "0/0") << channel;
}

TEST_F(MidiInProcTest, BankSelectIsRememberedPerChannelAndAProgramChangeReadsTheBankBeforeIt) {
  midi.setActiveMenu(View::Keyboard);
  EXPECT_EQ(receiveAndDeliver({0x7800BC, 0x0220BC, 0x05CC, 0x7F00B0}), Log{});
  EXPECT_EQ(test::Bank(midi, 12), "120/2");
  EXPECT_EQ(test::Bank(midi, 0), "127/0");

  midi.setActiveMenu(View::Tone);
  // Both UP changes arrive before the window thread gets to the first one.
  EXPECT_EQ(receiveAndDeliver({0x7800BC, 0x05CC, 0x7900BC, 0x06CC}),
            (Log{"monitor program 12 5 120/2", "monitor program 12 6 121/2"}));
  EXPECT_EQ(test::Bank(midi, 12), "121/2");
}

TEST_F(MidiInProcTest, UPSelectsOnTheBasicChannelReachTheUPFileWindowInItsViewOnly) {
  midi.setActiveMenu(View::UPFile);
  // Basic receive channel 13 (0-based 12): 120/0 then 0 and 127, 121 then 0, 63 and 64 (past C88);
  // the LSB is no part of it; then bank 0 (a tone), and a UP select on channel 1.
  EXPECT_EQ(receiveAndDeliver({0x7800BC, 0x00CC, 0x7FCC, 0x7900BC, 0x0520BC, 0x00CC, 0x3FCC, 0x40CC, 0x0000BC,
                               0x05CC, 0x7800B0, 0x05C0}),
            (Log{"up select 0", "up select 127", "up select 128", "up select 191"}));

  // The basic channel is read when the message is handed over, as the setup dialog changes it.
  settings.basicRx = MidiChannel::fromZeroBased(0);
  EXPECT_EQ(receiveAndDeliver({0x7800B0, 0x07C0, 0x7800BC, 0x07CC}), Log{"up select 7"});

  // In the other views the window hears nothing; the monitor keeps its program changes.
  for (const View view : {View::Tone, View::Keyboard, View::DiskLink}) {
    midi.setActiveMenu(view);
    const Log heard = receiveAndDeliver({0x7800B0, 0x07C0});
    EXPECT_EQ(heard, view == View::Tone ? Log{"monitor program 0 7 120/0"} : Log{}) << static_cast<int>(view);
  }
  midi.setActiveMenu(View::UPFile);
  midi.setUPSelectReceiver(nullptr);
  EXPECT_EQ(receiveAndDeliver({0x7800B0, 0x07C0}), Log{});
}

TEST_F(MidiInProcTest, NothingIsDecodedWhileDisabledOrAfterAClose) {
  midi.setActiveMenu(View::Tone);
  midi.setMidiInEnabled(false);
  EXPECT_EQ(receiveAndDeliver({0x643C90, 0x7800BC, 0x05CC}), Log{});
  EXPECT_EQ(test::Bank(midi, 12), "0/0");

  // Queued while enabled, then the setup dialog opens before the window thread gets to them.
  midi.setMidiInEnabled(true);
  receive(0x643C90);
  midi.setMidiInEnabled(false);
  midi.deliverMidiIn();
  EXPECT_EQ(log, Log{});

  // Queued, then closed: a reopened port does not bring them back.
  midi.setMidiInEnabled(true);
  receive(0x643C91);
  midi.CloseMidiIn();
  EXPECT_FALSE(service.receive(0, 0x643C92));
  ASSERT_EQ(midi.OpenMidiIn(0), 0);
  midi.deliverMidiIn();
  EXPECT_EQ(log, Log{});

  // A receiver that closes the input stops the delivery of what is queued behind.
  struct Closer final : KeyboardReceiver {
    explicit Closer(MidiApi& midi) : midi(midi) {}
    void NoteReceived(MidiChannel, std::uint8_t, std::uint8_t) override {
      ++calls;
      midi.CloseMidiIn();
    }
    void ControlReceived(MidiChannel, std::uint8_t, std::uint8_t) override {}
    MidiApi& midi;
    int calls = 0;
  } closer(midi);
  midi.setKeyboardReceiver(&closer);
  receive(0x643C90);
  receive(0x643D90);
  midi.deliverMidiIn();
  EXPECT_EQ(closer.calls, 1);
}

TEST_F(MidiInProcTest, MessagesFromTheMidiThreadArriveInOrderAndAnOverflowLosesOnlyTheLatest) {
  constexpr int kCount = 3000;
  std::thread midiThread([this] {
    for (int i = 0; i < kCount; ++i) service.receive(0, PackShortMessage(0x90, i % 128, i / 128));
  });
  const bool allThere = test::WaitFor([this] { return log.size() >= kCount; });
  midiThread.join();
  ASSERT_TRUE(allThere) << log.size() << " of " << kCount;
  for (int i = 0; i < kCount; ++i) ASSERT_EQ(log[i], test::Line("keyboard note", {}, i % 128, i / 128)) << i;
  EXPECT_EQ(midi.midiInOverflows(), 0u);

  // A window thread far behind: the queue keeps the first 4096.
  log.clear();
  for (int i = 0; i < 5000; ++i) receive(PackShortMessage(0x90, i % 128, 1));
  midi.deliverMidiIn();
  EXPECT_EQ(log.size(), 4096u);
  EXPECT_EQ(log.front(), "keyboard note 0 0 1");
  EXPECT_EQ(midi.midiInOverflows(), 5000u - 4096u);
}

TEST_F(MidiInProcTest, DataBytesOf0x80OrMoreMakeNoMessageAndLeaveTheBankAlone) {
  for (const View view : {View::Keyboard, View::Tone}) {
    midi.setActiveMenu(view);
    // Note 144, velocity 200, bank 248 and 128, controller 0x80, program 0x85, status 0x3C.
    EXPECT_EQ(receiveAndDeliver({0x649092, 0xC83C92, 0xF800B1, 0x8020B1, 0x0580BC, 0x85CC, 0x643C}), Log{});
    EXPECT_EQ(test::Bank(midi, 1), "0/0");
    // A program change's second byte is not part of it: the message stands.
    EXPECT_EQ(receiveAndDeliver({0x9905CC}), view == View::Tone ? Log{"monitor program 12 5 0/0"} : Log{});
  }
}

TEST(PackReceivedBytesTest, OnlyExactlyOneWellFormedShortMessageIsPacked) {
  struct Case {
    std::vector<unsigned char> bytes;
    bool packed;
  };
  const Case cases[] = {
      {{0x90}, false},             {{0x90, 0x3C}, false},       {{0x92, 0x90, 0x64}, false},
      {{0xB1, 0x00, 0xF8}, false}, {{0xCC, 0x05, 0x00}, false}, {{0x9C, 0x3C, 0x64, 0x00}, false},
      {{0x3C, 0x64}, false},       {{0xF0, 0x7E}, false},       {{0xF8, 0x00}, false},
      {{}, false},                 {{0x9C, 0x3C, 0x64}, true},  {{0xCC, 0x05}, true},
      {{0xF8}, true},              {{0xF2, 0x01, 0x02}, true},  {{0xB0, 0x20, 0x7F}, true},
  };
  for (const Case& c : cases) {
    std::uint32_t packed = 0xFFFFFF;
    EXPECT_EQ(PackReceivedBytes(c.bytes.data(), c.bytes.size(), packed), c.packed) << FormatShortMessage(packed);
    if (c.packed) {
      EXPECT_EQ(FormatShortMessage(packed).size(), c.bytes.size() * 3 - 1);
      EXPECT_EQ(StatusOf(packed), c.bytes[0]);
    } else {
      EXPECT_EQ(packed, 0u);
    }
  }
}

}  // namespace
}  // namespace tarnwick
