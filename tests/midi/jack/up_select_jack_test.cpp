// SPDX-License-Identifier: GPL-3.0-or-later
// The UP file window selecting UPs on an instrument over a real MIDI path: a peer on the private
// JACK server listens while a double-click on the User Program column and the Space key select
// UPs; it must hear the bank select MSB and LSB on the Basic channel, then the program change.
// The other way round, the peer's UP selects move the grid's selection while it follows.
#include <RtMidi.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <unistd.h>

#include <cstdio>

#include "midi/midi_system_probe.h"
#include "midi/rtmidi_service.h"
#include "jack_peers.h"
#include "midi_test_support.h"
#include "upfile/window_fixture.h"
#include "support/needs.h"

namespace tarnwick {
namespace {

using test::Log;

TEST(UPSelectOverJack, DoubleClickOnColumn1AndSpaceReachAPeer) {
  TARNWICK_NEED(JackServerRunning(), "no JACK server (see the test midi_jack_server_start)");
  test::MidiRig<RtMidiService> rig;
  RtMidiIn peer(RtMidi::UNIX_JACK, "tarnwick-peer");
  const std::string port = "up-select-" + std::to_string(::getpid());
  peer.openVirtualPort(port);
  const int device = test::OutDeviceNamed(rig.service, port);
  ASSERT_GE(device, 0) << "the peer's port is not listed";
  ASSERT_EQ(rig.midi.OpenMidiOut(device), 0);

  testing::WindowFixture fixture(192, 140);
  fixture.midiOutOpen = true;
  fixture.window->setUPSelectSender([&rig](int id) { rig.midi.SendUPSelect(id); });
  fixture.doubleClickCell(0, 191, kColUserProgram);
  fixture.selectRows(1, 130, 130);
  fixture.press("cmd_HomeEnd", 1);  // parks the focus
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
  rig.midi.CloseMidiOut();

  EXPECT_EQ(test::Heard(peer, 6), (Log{"BC 00 79", "BC 20 00", "CC 3F", "BC 00 79", "BC 20 00", "CC 02"}));
  EXPECT_TRUE(rig.dialogs.shown.empty());
}

TEST(UPSelectOverJack, APeersUPSelectMovesTheFollowingGrid) {
  TARNWICK_NEED(JackServerRunning(), "no JACK server (see the test midi_jack_server_start)");
  test::MidiRig<RtMidiService> rig;
  RtMidiOut peer(RtMidi::UNIX_JACK, "tarnwick-peer");
  const std::string port = "up-follow-" + std::to_string(::getpid());
  peer.openVirtualPort(port);
  const int device = test::InDeviceNamed(rig.service, port);
  ASSERT_GE(device, 0) << "the peer's port is not listed";

  testing::WindowFixture fixture(192, 3);
  fixture.window->setFollowInstrument(true);
  fixture.selectRows(0, 0, 0);  // File 0 was worked in last
  rig.midi.setUPSelectReceiver(fixture.window.get());
  rig.midi.setActiveMenu(View::UPFile);
  ASSERT_EQ(rig.midi.OpenMidiIn(device), 0);
  const auto basic = static_cast<unsigned char>(rig.settings.basicRx.zeroBased());
  const std::vector<std::vector<unsigned char>> select = {{static_cast<unsigned char>(0xB0 | basic), 0x00, 121},
                                                         {static_cast<unsigned char>(0xB0 | basic), 0x20, 0x00},
                                                         {static_cast<unsigned char>(0xC0 | basic), 10}};
  for (const auto& message : select) peer.sendMessage(&message);
  EXPECT_TRUE(test::WaitFor([&] { return fixture.selectedID(0) == 138; })) << fixture.selectedID(0);
  rig.midi.setUPSelectReceiver(nullptr);
  rig.midi.CloseMidiIn();
  EXPECT_TRUE(rig.dialogs.shown.empty());
}

}  // namespace
}  // namespace tarnwick

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
