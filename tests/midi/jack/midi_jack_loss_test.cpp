// SPDX-License-Identifier: GPL-3.0-or-later
// MIDI that goes away under open ports: a JACK server killed while the program's ports are open
// on it (a server of this test's own, so that the other tests keep theirs), and peers that vanish
// while connected.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "midi/midi_result.h"
#include "midi/rtmidi_service.h"
#include "jack_peers.h"
#include "midi_test_support.h"
#include "own_jack_server.h"
#include "support/needs.h"

namespace tarnwick {
namespace {

using test::JackPeer;
using test::Log;

class JackLossTest : public ::testing::Test, protected test::MidiRig<RtMidiService> {
 protected:
  QStringList messages() const { return dialogs.messages(); }

  // A listener and a player on the server, with Tarnwick's output and input open on them.
  void openOnNewPeers() {
    listener = std::make_unique<JackPeer>(JackPeer::Role::Listener, "listener");
    player = std::make_unique<JackPeer>(JackPeer::Role::Player, "player");
    ASSERT_TRUE(listener->ready() && player->ready());
    ASSERT_EQ(midi.OpenMidiOut(test::OutDeviceNamed(service, "listener")), 0);
    ASSERT_EQ(midi.OpenMidiIn(test::InDeviceNamed(service, "player")), 0);
  }

  std::unique_ptr<JackPeer> listener;
  std::unique_ptr<JackPeer> player;
};

// The player's way to the crash that was, fifty times: the server dies, Midi Setup reads the device lists at
// once, Space sends a UP, the setup dialog's test-open closes the output before any notice, the
// server comes back and the ports are opened again.
TEST_F(JackLossTest, AServerKilledUnderOpenPortsFiftyTimesGivesOneMessageEachTimeAndTheyReopen) {
  test::OwnJackServer server;
  if (!server.start()) {
    TARNWICK_NEED(false, server.problem());
    return;
  }
  // scripts/stress-midi runs the test many times over with one kill each.
  const int runs = qEnvironmentVariableIsSet("TARNWICK_LOSS_RUNS") ? qEnvironmentVariableIntValue("TARNWICK_LOSS_RUNS") : 50;
  for (int run = 1; run <= runs; ++run) {
    SCOPED_TRACE("run " + std::to_string(run));
    dialogs.clear();
    openOnNewPeers();
    if (HasFatalFailure()) return;

    server.kill();
    listener->abandon();
    player->abandon();
    service.inDeviceCount();
    service.outDeviceCount();
    midi.SendUPSelect(130);  // before the notice it may still be taken; it must not crash
    midi.CloseMidiOut();
    ASSERT_TRUE(test::WaitFor([&] { return !messages().isEmpty() && midi.hMidiIn() == 0; }, 20000));
    EXPECT_FALSE(midi.SendUPSelect(130)) << "a select sent after the loss";
    service.inDeviceCount();  // Midi Setup with no server
    test::WaitFor([] { return false; }, 100);  // a second message would come now
    ASSERT_EQ(messages().size(), 1) << messages().join(QStringLiteral(" | ")).toStdString();
    EXPECT_TRUE(messages()[0].contains(QStringLiteral("went away"))) << messages()[0].toStdString();
    EXPECT_FALSE(midi.midiInEnabled());

    ASSERT_TRUE(server.start()) << server.problem();
    openOnNewPeers();
    if (HasFatalFailure()) return;
    EXPECT_TRUE(midi.SendUPSelect(130));
    EXPECT_EQ(listener->heard(3), (Log{"BC 00 79", "BC 20 00", "CC 02"}));
    midi.CloseMidiOut();
    midi.CloseMidiIn();
    EXPECT_EQ(messages().size(), 1);
    listener.reset();
    player.reset();
  }
}

TEST_F(JackLossTest, APeerThatVanishesClosesItsPortWithOneMessage) {
  TARNWICK_NEED(test::JackServerAnswers(), "no JACK server (see the test midi_jack_server_start)");
  const std::string listenerPort = test::UniquePeerPort("vanishing-listener");
  const std::string playerPort = test::UniquePeerPort("vanishing-player");
  listener = std::make_unique<JackPeer>(JackPeer::Role::Listener, listenerPort);
  player = std::make_unique<JackPeer>(JackPeer::Role::Player, playerPort);
  ASSERT_EQ(midi.OpenMidiOut(test::OutDeviceNamed(service, listenerPort)), 0);
  ASSERT_EQ(midi.OpenMidiIn(test::InDeviceNamed(service, playerPort)), 0);
  EXPECT_TRUE(midi.SendUPSelect(1));

  listener.reset();
  EXPECT_TRUE(test::WaitFor([&] { return midi.hMidiOut() == 0; }));
  EXPECT_FALSE(midi.SendUPSelect(2));
  test::WaitFor([] { return false; }, 200);
  EXPECT_EQ(messages(), QStringList{QStringLiteral("Midi Out Error\r\n\r\n") +
                                    QString::fromStdString(MidiResultText(kMidiErrDeviceGone))});
  EXPECT_NE(midi.hMidiIn(), 0) << "the input's peer is still there";

  dialogs.clear();
  player.reset();
  EXPECT_TRUE(test::WaitFor([&] { return midi.hMidiIn() == 0; }));
  test::WaitFor([] { return false; }, 200);
  EXPECT_EQ(messages(), QStringList{QStringLiteral("Midi IN Error\r\n\r\n") +
                                    QString::fromStdString(MidiResultText(kMidiErrDeviceGone))});
  EXPECT_FALSE(midi.midiInEnabled());
}

}  // namespace
}  // namespace tarnwick
