// SPDX-License-Identifier: GPL-3.0-or-later
// upstool midi-ports and send-up, on the loopback service.
#include "midi_commands.h"

#include <gtest/gtest.h>

#include <sstream>
#include <tuple>

#include "command.h"
#include "midi/loopback_midi_service.h"
#include "midi/midi_result.h"

namespace tarnwick::upstool {
namespace {

struct CommandRun {
  int code;
  std::string out;
  std::string err;
};

using Command = int (*)(MidiService&, const std::vector<std::string>&, std::ostream&, std::ostream&);

CommandRun Call(Command command, LoopbackMidiService& service, const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int code = command(service, args, out, err);
  return {code, out.str(), err.str()};
}

TEST(MidiCommandsTest, MidiPortsListsEveryDeviceReportsTheUnreadableAndEndsWithTheVirtualPort) {
  LoopbackMidiService service;
  MidiInCaps in;
  in.name = "UM-ONE extern";
  service.setInDevices({in, in, in});
  service.setInCapsResult(1, kMidiErrDeviceGone);
  const CommandRun run = Call(RunMidiPortsOn, service, {});
  EXPECT_EQ(run.code, kExitFailure);
  EXPECT_EQ(run.out, "in 0: UM-ONE extern\nin 2: UM-ONE extern\nout 0: Loopback Out\nout -1: Tarnwick\n");
  EXPECT_EQ(run.err, "upstool midi-ports: in 1: " + MidiResultText(kMidiErrDeviceGone) + "\n");
  service.setInCapsResult(1, kMidiOk);
  EXPECT_EQ(Call(RunMidiPortsOn, service, {}).code, kExitOk);
  EXPECT_EQ(Call(RunMidiPortsOn, service, {"extra"}).code, kExitUsage);
}

TEST(MidiCommandsTest, SendUpSelectsTheUPOnTheChosenPortAndChannelAndReportsEveryFailure) {
  LoopbackMidiService service;
  CommandRun run = Call(RunSendUpOn, service, {"130", "--out", "0"});
  EXPECT_EQ(run.code, kExitOk) << run.err;
  EXPECT_EQ(run.out, "UP 130 (C13) sent to out 0 on channel 13\n");
  run = Call(RunSendUpOn, service, {"--channel=1", "5", "--out=-1", "--wait=0"});
  EXPECT_EQ(run.code, kExitOk) << run.err;
  EXPECT_EQ(service.sentText(),
            (std::vector<std::string>{"BC 00 79", "BC 20 00", "CC 02", "B0 00 78", "B0 20 00", "C0 05"}));
  EXPECT_EQ(service.sent().back().device, -1);
  EXPECT_EQ(service.openOutPorts(), 0);

  // Wrong use, a port that does not open, a message the system refuses.
  service.clearSent();
  service.setOpenOutResult(0, kMidiErrRefused);
  service.setSendResult(kMidiErrDeviceGone);
  const std::tuple<std::vector<std::string>, int, std::string> failures[] = {
      {{}, kExitUsage, "the UP ID is missing"},
      {{"1"}, kExitUsage, "--out N is required"},
      {{"1", "--out", "-1", "--channel", "17"}, kExitUsage, "--channel takes a MIDI channel from 1 to 16"},
      {{"1", "--out", "-1"}, kExitUsage, "--out -1 needs --wait SECONDS"},
      {{"1", "--out", "0", "--wait", "soon"}, kExitUsage, "--wait takes a number of seconds from 0 to 3600"},
      {{"1", "--out", "0", "--wait=-1"}, kExitUsage, "--wait takes a number of seconds from 0 to 3600"},
      {{"1", "--port", "0"}, kExitUsage, "unknown option --port"},
      {{"192", "--out", "0"}, kExitUsage, "UP 192 cannot be selected"},
      {{"-1", "--out", "0"}, kExitUsage, "UP -1 cannot be selected"},
      {{"3", "--out", "0"}, kExitFailure, MidiResultText(kMidiErrRefused)},
      {{"3", "--out", "9"}, kExitFailure, MidiResultText(kMidiErrBadDevice)},
      {{"3", "--out", "-1", "--wait", "0"}, kExitFailure, MidiResultText(kMidiErrDeviceGone)},
  };
  for (const auto& [args, code, reason] : failures) {
    run = Call(RunSendUpOn, service, args);
    EXPECT_EQ(run.code, code) << reason;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err.rfind("upstool send-up: ", 0), 0u) << run.err;
    EXPECT_NE(run.err.find(reason), std::string::npos) << run.err;
  }
  EXPECT_TRUE(service.sent().empty());
}

TEST(MidiCommandsTest, SendUpWithAWaitSendsOnlyOnceAPeerIsConnected) {
  LoopbackMidiService service;
  service.setOutConnections(0);
  CommandRun run = Call(RunSendUpOn, service, {"7", "--out", "-1", "--wait", "0"});
  EXPECT_EQ(run.code, kExitFailure);
  EXPECT_EQ(run.err, "upstool send-up: nothing connected to out -1 within 0 seconds; nothing was sent\n");
  EXPECT_EQ(run.out, "");
  EXPECT_TRUE(service.sent().empty());
  EXPECT_EQ(service.openOutPorts(), 0);

  service.setOutConnections(1);
  run = Call(RunSendUpOn, service, {"7", "--out", "-1", "--wait", "1"});
  EXPECT_EQ(run.code, kExitOk) << run.err;
  EXPECT_EQ(service.sentText(), (std::vector<std::string>{"BC 00 78", "BC 20 00", "CC 07"}));
}

}  // namespace
}  // namespace tarnwick::upstool
