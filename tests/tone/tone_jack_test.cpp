// SPDX-License-Identifier: GPL-3.0-or-later
// The Tone view on a real MIDI path: a private JACK server with the dummy driver and a peer
// client in this process. A row selected in each browser reaches the peer as bank select and
// program change on the browser's channel; the peer's UP select shows in the monitor.
#include <RtMidi.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QTableView>
#include <QtTest>
#include <unistd.h>

#include <cstdio>

#include "midi/midi_system_probe.h"
#include "midi/rtmidi_service.h"
#include "jack_peers.h"
#include "midi_test_support.h"
#include "tone/frm_tone_browser.h"
#include "tone/frm_tone_monitor.h"
#include "tone/tone_tables.h"
#include "support/needs.h"

namespace tarnwick {
namespace {

using test::Log;

class ToneJackTest : public ::testing::Test, protected test::MidiRig<RtMidiService> {
 protected:
  void SetUp() override {
    TARNWICK_NEED(JackServerRunning(), "no JACK server: jackd is not installed here");
  }

  std::unique_ptr<frmToneBrowser> browser(bool drumSets, int channel) {
    BrowserMidi link{[this] { return midi.hMidiOut() != 0; },
                     [this](MidiChannel c, std::uint8_t msb, std::uint8_t lsb, MidiProgramNumber p) {
                       midi.SendBankProgram(c, msb, lsb, p);
                     }};
    auto window = std::make_unique<frmToneBrowser>(drumSets ? DrumSetBrowserKind() : ToneBrowserKind(), tables,
                                                   BrowserSettings{1, true, true, channel}, std::move(link));
    window->show();
    return window;
  }

  NameTables tables = testing::SmallTables();
};

TEST_F(ToneJackTest, ARowSelectedInEachBrowserReachesThePeerOnItsChannel) {
  RtMidiIn peer(RtMidi::UNIX_JACK, "tarnwick-tone-peer");
  const std::string port = test::UniquePeerPort("tone-peer");
  peer.openVirtualPort(port);
  const int device = test::OutDeviceNamed(service, port);
  ASSERT_GE(device, 0) << "the peer's port is not listed";
  ASSERT_EQ(midi.OpenMidiOut(device), 0);

  auto tones = browser(false, 3);  // the fill plays the first row: Piano 1, 0/1, program 1
  auto* grid = tones->findChild<QTableView*>(QStringLiteral("Grid_Tone"));
  ASSERT_NE(grid, nullptr);
  QTest::keyClick(grid, Qt::Key_Down);  // Piano 2, 0/2, program 2
  QTest::keyClick(grid, Qt::Key_Down);  // Organ 1, 8/3, program 17
  auto drums = browser(true, 15);       // Standard, 0/0, program 1 on channel 16
  EXPECT_EQ(test::Heard(peer, 12), (Log{"B3 00 00", "B3 20 01", "C3 00", "B3 00 00", "B3 20 02", "C3 01", "B3 00 08",
                                   "B3 20 03", "C3 10", "BF 00 00", "BF 20 00", "CF 00"}));
  midi.CloseMidiOut();
}

TEST_F(ToneJackTest, APeersUPSelectOnTheBasicChannelShowsInTheMonitor) {
  RtMidiOut peer(RtMidi::UNIX_JACK, "tarnwick-tone-peer");
  const std::string port = test::UniquePeerPort("tone-peer");
  peer.openVirtualPort(port);
  const int device = test::InDeviceNamed(service, port);
  ASSERT_GE(device, 0) << "the peer's port is not listed";
  MonitorMidi link{[this] { return midi.hMidiIn() != 0; }, [this] { return int{settings.basicRx.zeroBased()}; },
                   [this](MidiChannel c) { return midi.MidiInBankMSB(c); },
                   [this](MidiChannel c) { return midi.MidiInBankLSB(c); }};
  frmToneMonitor monitor(tables, true, std::move(link));
  midi.setMonitorReceiver(&monitor);
  midi.setActiveMenu(View::Tone);
  ASSERT_EQ(midi.OpenMidiIn(device), 0);
  monitor.activate();

  const int basic = 0xB0 | settings.basicRx.zeroBased();
  const std::vector<std::vector<unsigned char>> messages = {
      {static_cast<unsigned char>(basic), 0x00, 121}, {static_cast<unsigned char>(basic), 0x20, 0},
      {static_cast<unsigned char>(0xC0 | settings.basicRx.zeroBased()), 63},
      {0xB0, 0x00, 0}, {0xB0, 0x20, 0}, {0xC0, 127}};
  for (const auto& message : messages) peer.sendMessage(&message);
  auto* up = monitor.findChild<QLabel*>(QStringLiteral("lbl_MidiIn_UPC"));
  auto* channel1 = monitor.findChild<QLabel*>(QStringLiteral("lbl_MidiIn_PC_0"));
  EXPECT_TRUE(test::WaitFor([&] { return up->text() == QStringLiteral("C88") && !channel1->text().isEmpty(); }));
  EXPECT_EQ(up->text(), QStringLiteral("C88"));
  EXPECT_EQ(channel1->text(), QStringLiteral("Top"));
  midi.setMonitorReceiver(nullptr);
  midi.CloseMidiIn();
}

}  // namespace
}  // namespace tarnwick

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
