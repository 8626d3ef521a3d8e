// Tarnwick on a real MIDI path: a JACK server with the dummy driver, and a peer program on it.
// Ports are found by their port name: JACK renames a second client of the same name.
#include <gtest/gtest.h>

#include <unistd.h>

#include <sstream>
#include <string>
#include <vector>

#include "midi/midi_api.h"
#include "midi/midi_system_probe.h"
#include "midi/rtmidi_service.h"
#include "midi/selection_messages.h"
#include "midi_commands.h"
#include "peer_process.h"
#include "recording_dialogs.h"
#include "recording_receiver.h"
#include "wait_for.h"

namespace tarnwick {
namespace {

using Lines = std::vector<std::string>;

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

class JackMidiTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!JackServerRunning()) {
      GTEST_SKIP() << "no JACK server: jackd is not installed here (see the test midi_jack_server_start)";
    }
  }

  // A port name that no other test process uses.
  static std::string PeerPort(const char* role) {
    static int serial = 0;
    return std::string("peer-") + role + "-" + std::to_string(::getpid()) + "-" + std::to_string(++serial);
  }

  int outDeviceNamed(const std::string& port) {
    const int count = service.outDeviceCount();
    for (int device = 0; device < count; ++device) {
      MidiOutCaps caps;
      if (service.outDeviceCaps(device, caps) == 0 && EndsWith(caps.name, ":" + port)) return device;
    }
    return -2;
  }

  int inDeviceNamed(const std::string& port) {
    const int count = service.inDeviceCount();
    for (int device = 0; device < count; ++device) {
      MidiInCaps caps;
      if (service.inDeviceCaps(device, caps) == 0 && EndsWith(caps.name, ":" + port)) return device;
    }
    return -2;
  }

  RtMidiService service;
  MidiSettings settings;
  test::RecordingDialogs dialogs;
  MidiApi midi{service, settings, dialogs};
};

TEST_F(JackMidiTest, APeerReceivesTheUPSelectOfId130ByteForByte) {
  const std::string port = PeerPort("in");
  test::PeerProcess peer({"listen", QString::fromStdString(port), "3", "5000"});
  ASSERT_EQ(peer.readLine(), "ready");
  const int device = outDeviceNamed(port);
  ASSERT_GE(device, 0) << "the peer's port is not listed";
  ASSERT_EQ(midi.OpenMidiOut(device), 0);

  EXPECT_TRUE(midi.SendUPSelect(130));
  midi.CloseMidiOut();

  EXPECT_EQ(peer.readLines(3), (Lines{"BC 00 79", "BC 20 00", "CC 02"}));
  EXPECT_EQ(peer.exitCode(), 0);
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(JackMidiTest, APeerReceivesAPartSwitchThenStartAndStop) {
  const std::string port = PeerPort("in");
  test::PeerProcess peer({"listen", QString::fromStdString(port), "7", "5000"});
  ASSERT_EQ(peer.readLine(), "ready");
  ASSERT_EQ(midi.OpenMidiOut(outDeviceNamed(port)), 0);

  midi.SendPartSwitch(*PartSwitchNumber(kPartUP2), false);
  midi.SendStart();
  midi.SendStop();
  midi.CloseMidiOut();

  EXPECT_EQ(peer.readLines(7), (Lines{"BC 63 4F", "BC 62 13", "BC 06 00", "BC 65 7F", "BC 64 7F", "FA", "FC"}));
  EXPECT_EQ(peer.exitCode(), 0);
}

TEST_F(JackMidiTest, APeerConnectedToTheVirtualPortHearsIt) {
  if (AlsaSequencerPresent()) GTEST_SKIP() << "the virtual port opens on the ALSA sequencer on this machine";
  ASSERT_EQ(midi.OpenMidiOut(kVirtualOutDevice), 0);
  test::PeerProcess peer({"listen-to", "Tarnwick", "2", "5000"});
  ASSERT_EQ(peer.readLine(), "ready");
  midi.SendStart();
  midi.SendStop();
  EXPECT_EQ(peer.readLines(2), (Lines{"FA", "FC"}));
  EXPECT_EQ(peer.exitCode(), 0);
  midi.CloseMidiOut();
}

TEST_F(JackMidiTest, MessagesFromAPeerReachTheRightWindowsInOrder) {
  const std::string port = PeerPort("out");
  test::PeerProcess peer({"send", QString::fromStdString(port), "F8", "BC0078", "BC2000", "F8", "CC05", "9C3C64",
                          "FE", "BC075A", "F8", "8C3C40", "D240", "E20040"});
  ASSERT_EQ(peer.readLine(), "ready");
  std::vector<std::string> log;
  test::RecordingKeyboard keyboard(log);
  test::RecordingMonitor monitor(log, midi);
  midi.setKeyboardReceiver(&keyboard);
  midi.setMonitorReceiver(&monitor);
  midi.setActiveMenu(kViewTone);
  const int device = inDeviceNamed(port);
  ASSERT_GE(device, 0) << "the peer's port is not listed";
  ASSERT_EQ(midi.OpenMidiIn(device), 0);

  peer.writeLine("go");
  EXPECT_EQ(peer.readLine(), "sent");
  EXPECT_TRUE(test::WaitFor([&] { return log.size() >= 4; }));
  test::WaitFor([] { return false; }, 200);  // anything more would arrive now

  EXPECT_EQ(log, (Lines{"monitor program 12 5 bank 120/0", "keyboard note 12 60 100", "monitor control 12 7 90",
                        "keyboard note 12 60 64"}));
  EXPECT_EQ(midi.MidiInBankMSB(MidiChannel::fromZeroBased(12)), 120);
  midi.CloseMidiIn();
  peer.writeLine("quit");
  EXPECT_EQ(peer.exitCode(), 0);
}

TEST_F(JackMidiTest, UpstoolListsThePeerAndSendsItAUPSelect) {
  const std::string port = PeerPort("in");
  test::PeerProcess peer({"listen", QString::fromStdString(port), "3", "5000"});
  ASSERT_EQ(peer.readLine(), "ready");

  std::ostringstream listing, complaints;
  ASSERT_EQ(upstool::RunMidiPortsCommand({}, listing, complaints), 0) << complaints.str();
  std::string device;
  std::istringstream lines(listing.str());
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("out ", 0) == 0 && EndsWith(line, ":" + port)) device = line.substr(4, line.find(':') - 4);
  }
  ASSERT_FALSE(device.empty()) << listing.str();
  EXPECT_TRUE(EndsWith(listing.str(), "out -1: Tarnwick\n")) << listing.str();

  std::ostringstream out, err;
  EXPECT_EQ(upstool::RunSendUpCommand({"191", "--out", device, "--channel", "1"}, out, err), 0) << err.str();
  EXPECT_EQ(peer.readLines(3), (Lines{"B0 00 79", "B0 20 00", "C0 3F"}));
  EXPECT_EQ(peer.exitCode(), 0);
}

}  // namespace
}  // namespace tarnwick
