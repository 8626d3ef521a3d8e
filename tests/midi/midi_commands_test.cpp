// upstool midi-ports and send-up, on the loopback service.
#include "midi_commands.h"

#include <gtest/gtest.h>

#include <sstream>

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

CommandRun PortsOn(LoopbackMidiService& service, const std::vector<std::string>& args = {}) {
  std::ostringstream out, err;
  const int code = RunMidiPortsOn(service, args, out, err);
  return {code, out.str(), err.str()};
}

CommandRun SendUpOn(LoopbackMidiService& service, const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int code = RunSendUpOn(service, args, out, err);
  return {code, out.str(), err.str()};
}

TEST(MidiPortsCommandTest, ListsInputsOutputsAndTheVirtualPortLast) {
  LoopbackMidiService service;
  MidiInCaps in;
  in.name = "UM-ONE extern";
  service.setInDevices({in, in});
  const CommandRun run = PortsOn(service);
  EXPECT_EQ(run.code, kExitOk);
  EXPECT_EQ(run.out, "in 0: UM-ONE extern\nin 1: UM-ONE extern\nout 0: Loopback Out\nout -1: Tarnwick\n");
  EXPECT_EQ(run.err, "");
}

TEST(MidiPortsCommandTest, ADeviceThatCannotBeReadIsReportedAndTheRestListed) {
  LoopbackMidiService service;
  service.setInCapsResult(0, kMidiErrDeviceGone);
  const CommandRun run = PortsOn(service);
  EXPECT_EQ(run.code, kExitFailure);
  EXPECT_EQ(run.out, "out 0: Loopback Out\nout -1: Tarnwick\n");
  EXPECT_EQ(run.err, "upstool midi-ports: in 0: " + MidiResultText(kMidiErrDeviceGone) + "\n");
  EXPECT_EQ(PortsOn(service, {"extra"}).code, kExitUsage);
}

TEST(SendUpCommandTest, SendsTheUPSelectOnTheChosenChannel) {
  LoopbackMidiService service;
  CommandRun run = SendUpOn(service, {"130", "--out", "0"});
  EXPECT_EQ(run.code, kExitOk) << run.err;
  EXPECT_EQ(run.out, "UP 130 (C13) sent to out 0 on channel 13\n");
  run = SendUpOn(service, {"--channel=1", "5", "--out=-1"});
  EXPECT_EQ(run.code, kExitOk) << run.err;
  EXPECT_EQ(service.sentText(),
            (std::vector<std::string>{"BC 00 79", "BC 20 00", "CC 02", "B0 00 78", "B0 20 00", "C0 05"}));
  EXPECT_EQ(service.sent().back().device, -1);
  EXPECT_EQ(service.openOutPorts(), 0);
}

TEST(SendUpCommandTest, AnIdTheInstrumentDoesNotHaveIsRefused) {
  LoopbackMidiService service;
  for (const char* id : {"192", "-1", "65535"}) {
    const CommandRun run = SendUpOn(service, {id, "--out", "0"});
    EXPECT_EQ(run.code, kExitFailure) << id;
    EXPECT_NE(run.err.find("cannot be selected"), std::string::npos) << run.err;
  }
  EXPECT_TRUE(service.sent().empty());
}

TEST(SendUpCommandTest, APortThatDoesNotOpenGivesItsErrorText) {
  LoopbackMidiService service;
  service.setOpenOutResult(0, kMidiErrRefused);
  CommandRun run = SendUpOn(service, {"3", "--out", "0"});
  EXPECT_EQ(run.code, kExitFailure);
  EXPECT_EQ(run.err, "upstool send-up: " + MidiResultText(kMidiErrRefused) + "\n");
  run = SendUpOn(service, {"3", "--out", "9"});
  EXPECT_EQ(run.code, kExitFailure);
  EXPECT_EQ(run.err, "upstool send-up: " + MidiResultText(kMidiErrBadDevice) + "\n");
}

TEST(SendUpCommandTest, AMessageTheSystemRefusesFailsTheCommand) {
  LoopbackMidiService service;
  service.setSendResult(kMidiErrDeviceGone);
  const CommandRun run = SendUpOn(service, {"3", "--out", "0"});
  EXPECT_EQ(run.code, kExitFailure);
  EXPECT_EQ(run.out, "");
  EXPECT_NE(run.err.find(MidiResultText(kMidiErrDeviceGone)), std::string::npos);
}

TEST(SendUpCommandTest, WrongUseIsAUsageErrorWithAReason) {
  LoopbackMidiService service;
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{}, "the UP ID is missing"},
      {{"x1", "--out", "0"}, "whole number"},
      {{"1"}, "--out N is required"},
      {{"1", "--out"}, "--out needs a value"},
      {{"1", "--out", "-2"}, "--out takes"},
      {{"1", "--out", "0", "--channel", "17"}, "--channel takes a MIDI channel from 1 to 16"},
      {{"1", "--out", "0", "--channel", "0"}, "1 to 16"},
      {{"1", "2", "--out", "0"}, "one ID only"},
      {{"1", "--out", "0", "--out", "0"}, "given twice"},
      {{"1", "--port", "0"}, "unknown option --port"},
  };
  for (const auto& [args, reason] : cases) {
    const CommandRun run = SendUpOn(service, args);
    EXPECT_EQ(run.code, kExitUsage) << reason;
    EXPECT_EQ(run.err.rfind("upstool send-up: ", 0), 0u) << run.err;
    EXPECT_NE(run.err.find(reason), std::string::npos) << run.err;
  }
  EXPECT_TRUE(service.sent().empty());
}

}  // namespace
}  // namespace tarnwick::upstool
