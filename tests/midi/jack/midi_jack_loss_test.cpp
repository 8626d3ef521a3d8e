// SPDX-License-Identifier: GPL-3.0-or-later
// MIDI that goes away under open ports: a JACK server killed while the program's ports are open
// on it (on a server of this test's own, so that the other tests keep theirs), and peers that
// vanish while connected.
#include <RtMidi.h>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "midi/midi_result.h"
#include "midi/midi_system_probe.h"
#include "midi/rtmidi_service.h"
#include "jack_peers.h"
#include "midi_test_support.h"
#include "support/needs.h"

extern char** environ;

namespace tarnwick {
namespace {

// A JACK server of this test's own, made the default server of the process while it lives. Its
// name is the tests' server name with "-loss": JACK keeps a server's name registered after a
// crash, and only a server of the same name frees it again.
class OwnJackServer {
 public:
  OwnJackServer() {
    const char* previous = std::getenv("JACK_DEFAULT_SERVER");
    if (previous != nullptr) previous_ = previous;
    name_ = (previous_.empty() ? std::string("default") : previous_) + "-loss";
    ::setenv("JACK_DEFAULT_SERVER", name_.c_str(), 1);
  }
  ~OwnJackServer() {
    stop(SIGTERM);
    if (previous_.empty()) {
      ::unsetenv("JACK_DEFAULT_SERVER");
    } else {
      ::setenv("JACK_DEFAULT_SERVER", previous_.c_str(), 1);
    }
  }

  bool start() {
    std::string nameArg = name_;
    const char* argv[] = {"jackd", "-n", nameArg.c_str(), "--no-realtime", "--sync", "-d", "dummy",
                          "-r", "48000", "-p", "256", nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const int spawned = posix_spawnp(&pid_, "jackd", &actions, nullptr, const_cast<char**>(argv), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return false;
    return test::WaitFor([] { return JackServerRunning(); }, 10000);
  }

  // Kills the server at once, as a crash would.
  void kill() { stop(SIGKILL); }

 private:
  void stop(int signal) {
    if (pid_ <= 0) return;
    ::kill(pid_, signal);
    ::waitpid(pid_, nullptr, 0);
    pid_ = -1;
  }

 public:

 private:
  std::string name_;
  std::string previous_;
  pid_t pid_ = -1;
};

class JackLossTest : public ::testing::Test, protected test::MidiRig<RtMidiService> {
 protected:
  void SetUp() override {
    TARNWICK_NEED(JackServerRunning(), "no JACK server: jackd is not installed here");
  }
  QStringList messages() const { return dialogs.messages(); }
};

TEST_F(JackLossTest, AServerKilledUnderOpenPortsClosesThemWithOneMessageAndTheyReopenOnANewServer) {
  OwnJackServer server;
  ASSERT_TRUE(server.start()) << "jackd did not start";
  // The peers' clients die with the server: they are never destroyed (see Abandon in the service).
  auto* listener = new RtMidiIn(RtMidi::UNIX_JACK, "tarnwick-peer");
  listener->openVirtualPort("listener");
  auto* player = new RtMidiOut(RtMidi::UNIX_JACK, "tarnwick-peer");
  player->openVirtualPort("player");
  ASSERT_EQ(midi.OpenMidiOut(test::OutDeviceNamed(service, "listener")), 0);
  ASSERT_EQ(midi.OpenMidiIn(test::InDeviceNamed(service, "player")), 0);

  server.kill();
  midi.SendUPSelect(130);
  midi.CloseMidiOut();  // as the setup dialog's test-open or the exit would, before any notice
  EXPECT_TRUE(test::WaitFor([&] { return !messages().isEmpty() && midi.hMidiIn() == 0; }));
  test::WaitFor([] { return false; }, 300);  // a second message would come now
  ASSERT_EQ(messages().size(), 1) << messages().join(QStringLiteral(" | ")).toStdString();
  EXPECT_TRUE(messages()[0].startsWith(QStringLiteral("Midi ")));
  EXPECT_TRUE(messages()[0].contains(QStringLiteral("went away"))) << messages()[0].toStdString();
  EXPECT_EQ(midi.hMidiOut(), 0);
  EXPECT_FALSE(midi.midiInEnabled());
  midi.CloseMidiIn();

  // A server again: Midi Setup reopens the ports, and they work.
  ASSERT_TRUE(server.start()) << "jackd did not start again";
  RtMidiIn again(RtMidi::UNIX_JACK, "tarnwick-peer");
  again.openVirtualPort("listener");
  RtMidiOut playerAgain(RtMidi::UNIX_JACK, "tarnwick-peer");
  playerAgain.openVirtualPort("player");
  ASSERT_EQ(midi.OpenMidiOut(test::OutDeviceNamed(service, "listener")), 0);
  ASSERT_EQ(midi.OpenMidiIn(test::InDeviceNamed(service, "player")), 0);
  EXPECT_TRUE(midi.SendUPSelect(130));
  std::vector<unsigned char> bytes;
  int heard = 0;
  test::WaitFor([&] {
    for (again.getMessage(&bytes); !bytes.empty(); again.getMessage(&bytes)) ++heard;
    return heard >= 3;
  });
  EXPECT_EQ(heard, 3);
  midi.CloseMidiOut();
  midi.CloseMidiIn();
  EXPECT_EQ(messages().size(), 1);
}

TEST_F(JackLossTest, APeerThatVanishesClosesItsPortWithOneMessage) {
  auto listener = std::make_unique<RtMidiIn>(RtMidi::UNIX_JACK, "tarnwick-peer");
  const std::string listenerPort = "vanishing-listener-" + std::to_string(::getpid());
  listener->openVirtualPort(listenerPort);
  auto player = std::make_unique<RtMidiOut>(RtMidi::UNIX_JACK, "tarnwick-peer");
  const std::string playerPort = "vanishing-player-" + std::to_string(::getpid());
  player->openVirtualPort(playerPort);
  ASSERT_EQ(midi.OpenMidiOut(test::OutDeviceNamed(service, listenerPort)), 0);
  ASSERT_EQ(midi.OpenMidiIn(test::InDeviceNamed(service, playerPort)), 0);
  EXPECT_TRUE(midi.SendUPSelect(1));

  listener.reset();
  EXPECT_TRUE(test::WaitFor([&] { return midi.hMidiOut() == 0; }));
  midi.SendUPSelect(2);
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
