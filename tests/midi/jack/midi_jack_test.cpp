// SPDX-License-Identifier: GPL-3.0-or-later
// Tarnwick on a real MIDI path: a private JACK server with the dummy driver, and peers on other
// JACK clients of this process that listen to Tarnwick's output or send to its input. Ports are
// found by their port name: JACK renames a second client of the same name.
#include <gtest/gtest.h>

#include <sstream>
#include <thread>

#include "midi_commands.h"
#include "midi/rtmidi_service.h"
#include "midi/selection_messages.h"
#include "jack_peers.h"
#include "midi_test_support.h"
#include "support/needs.h"

namespace tarnwick {
namespace {

using test::JackPeer;
using test::Log;

class JackMidiTest : public ::testing::Test, protected test::MidiRig<RtMidiService> {
 protected:
  void SetUp() override {
    TARNWICK_NEED(test::JackServerAnswers(), "no JACK server (see the test midi_jack_server_start)");
  }
  // Tarnwick's input opened on a player peer, with receivers that log what they get.
  void openInputFrom(JackPeer& player, const std::string& port) {
    ASSERT_TRUE(player.ready());
    midi.setKeyboardReceiver(&keyboard);
    midi.setMonitorReceiver(&monitor);
    midi.setActiveMenu(View::Tone);
    const int device = test::InDeviceNamed(service, port);
    ASSERT_GE(device, 0) << "the peer's port is not listed";
    ASSERT_EQ(midi.OpenMidiIn(device), 0);
  }

  Log log;
  test::RecordingKeyboard keyboard{log};
  test::RecordingMonitor monitor{log, midi};
};

TEST_F(JackMidiTest, APeerReceivesTheUPSelectOnChannel13APartSwitchAndStartStopByteForByte) {
  const std::string port = test::UniquePeerPort("peer");
  JackPeer peer(JackPeer::Role::Listener, port);
  ASSERT_TRUE(peer.ready());
  const int device = test::OutDeviceNamed(service, port);
  ASSERT_GE(device, 0) << "the peer's port is not listed";
  ASSERT_EQ(midi.OpenMidiOut(device), 0);

  EXPECT_TRUE(midi.SendUPSelect(130));
  midi.SendPartSwitch(*PartSwitchNumber(kPartUP2), false);
  midi.SendStart();
  midi.SendStop();
  midi.CloseMidiOut();

  EXPECT_EQ(peer.heard(10), (Log{"BC 00 79", "BC 20 00", "CC 02", "BC 63 4F", "BC 62 13", "BC 06 00", "BC 65 7F",
                                 "BC 64 7F", "FA", "FC"}));
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(JackMidiTest, MessagesFromAPeerReachTheRightReceiversInOrder) {
  const std::string port = test::UniquePeerPort("peer");
  JackPeer peer(JackPeer::Role::Player, port);
  openInputFrom(peer, port);

  const std::vector<std::vector<unsigned char>> messages = {
      {0xF8}, {0xBC, 0x00, 0x78}, {0xBC, 0x20, 0x00}, {0xF8}, {0xCC, 0x05}, {0x9C, 0x3C, 0x64},
      {0xFE}, {0xBC, 0x07, 0x5A}, {0xF8}, {0x8C, 0x3C, 0x40}, {0xD2, 0x40}, {0xF0, 0x41, 0xF7}, {0xC1, 0x07}};
  for (const auto& message : messages) ASSERT_TRUE(peer.send(message));
  EXPECT_TRUE(test::WaitFor([&] { return log.size() >= 5; }));
  test::WaitFor([] { return false; }, 200);  // anything more would arrive now

  EXPECT_EQ(log, (Log{"monitor program 12 5 120/0", "keyboard note 12 60 100", "monitor control 12 7 90",
                      "keyboard note 12 60 0", "monitor program 1 7 0/0"}));
  EXPECT_EQ(test::Bank(midi, 12), "120/0");
  midi.CloseMidiIn();
}

TEST_F(JackMidiTest, SendUpOnTheVirtualPortWaitsForAPeerAndSendsToIt) {
  std::ostringstream out, err;
  int exitCode = -1;
  std::thread command([&] {
    RtMidiService own;
    exitCode = upstool::RunSendUpOn(own, {"130", "--out", "-1", "--wait", "20"}, out, err);
  });
  // A peer that finds the virtual port and connects to it, as a player's MIDI program would.
  JackPeer peer(JackPeer::Role::Listener, test::UniquePeerPort("virtual-listener"));
  ASSERT_TRUE(peer.ready());
  const bool connected = test::WaitFor([&] { return peer.connectFrom(kVirtualPortName); }, 15000);
  command.join();
  ASSERT_TRUE(connected) << "the virtual port never appeared";
  EXPECT_EQ(exitCode, 0) << err.str();
  EXPECT_EQ(peer.heard(3), (Log{"BC 00 79", "BC 20 00", "CC 02"}));
}

}  // namespace
}  // namespace tarnwick
