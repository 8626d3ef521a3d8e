// Opening and closing the two ports, and the messages shown for their failures.
#include <gtest/gtest.h>

#include "midi/loopback_midi_service.h"
#include "midi/midi_api.h"
#include "midi/midi_result.h"
#include "recording_dialogs.h"

namespace tarnwick {
namespace {

class MidiPortsTest : public ::testing::Test {
 protected:
  LoopbackMidiService service;
  MidiSettings settings;
  test::RecordingDialogs dialogs;
  MidiApi midi{service, settings, dialogs};
};

TEST_F(MidiPortsTest, OpeningTheInputTwiceLeavesOneOpenEnabledPort) {
  EXPECT_EQ(midi.OpenMidiIn(0), kMidiOk);
  const int first = midi.hMidiIn();
  EXPECT_EQ(midi.OpenMidiIn(0), kMidiOk);
  EXPECT_NE(midi.hMidiIn(), 0);
  EXPECT_NE(midi.hMidiIn(), first);
  EXPECT_EQ(service.openInPorts(), 1);
  EXPECT_TRUE(midi.midiInEnabled());

  midi.CloseMidiIn();
  EXPECT_EQ(midi.hMidiIn(), 0);
  EXPECT_FALSE(midi.midiInEnabled());
  EXPECT_EQ(service.openInPorts(), 0);
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(MidiPortsTest, OpeningTheOutputTwiceLeavesOneOpenPort) {
  EXPECT_EQ(midi.OpenMidiOut(0), kMidiOk);
  EXPECT_EQ(midi.OpenMidiOut(kVirtualOutDevice), kMidiOk);
  EXPECT_EQ(service.openOutPorts(), 1);
  midi.SendStart();
  ASSERT_EQ(service.sent().size(), 1u);
  EXPECT_EQ(service.sent()[0].device, kVirtualOutDevice);
  midi.CloseMidiOut();
  EXPECT_EQ(midi.hMidiOut(), 0);
  EXPECT_EQ(service.openOutPorts(), 0);
}

TEST_F(MidiPortsTest, AFailedOpenReportsItsOwnCodeAndShowsNothing) {
  service.setOpenInResult(0, kMidiErrRefused);
  service.setOpenOutResult(0, kMidiErrDeviceGone);
  EXPECT_EQ(midi.OpenMidiIn(0), kMidiErrRefused);
  EXPECT_EQ(midi.OpenMidiIn(7), kMidiErrBadDevice);
  EXPECT_EQ(midi.OpenMidiOut(0), kMidiErrDeviceGone);
  EXPECT_EQ(midi.hMidiIn(), 0);
  EXPECT_EQ(midi.hMidiOut(), 0);
  EXPECT_FALSE(midi.midiInEnabled());
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(MidiPortsTest, AFailedStartClosesThePortAgain) {
  service.setStartInResult(kMidiErrRefused);
  EXPECT_EQ(midi.OpenMidiIn(0), kMidiErrRefused);
  EXPECT_EQ(midi.hMidiIn(), 0);
  EXPECT_EQ(service.openInPorts(), 0);
  EXPECT_FALSE(midi.midiInEnabled());
}

TEST_F(MidiPortsTest, AServiceThatCannotBeCalledShowsMidiInErrorAndReportsAFailure) {
  service.setOpenInThrows(true);
  EXPECT_NE(midi.OpenMidiIn(0), kMidiOk);
  EXPECT_EQ(midi.hMidiIn(), 0);
  EXPECT_FALSE(midi.midiInEnabled());
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, "Midi IN Error");
  EXPECT_EQ(dialogs.messages[0].title, "Tarnwick");
}

TEST_F(MidiPortsTest, ErrorTextsGoUnderTheirTitlesAndSuccessShowsNothing) {
  midi.ShowMidiInError(kMidiOk);
  midi.ShowMidiOutError(kMidiOk);
  EXPECT_TRUE(dialogs.messages.empty());

  midi.ShowMidiInError(kMidiErrBadDevice);
  midi.ShowMidiOutError(42);
  ASSERT_EQ(dialogs.messages.size(), 2u);
  EXPECT_EQ(dialogs.messages[0].title, "MIDI In");
  EXPECT_EQ(dialogs.messages[0].text.toStdString(), MidiResultText(kMidiErrBadDevice));
  EXPECT_EQ(dialogs.messages[0].icon, UserDialogs::Icon::Exclamation);
  EXPECT_EQ(dialogs.messages[1].title, "MIDI Out");
  EXPECT_EQ(dialogs.messages[1].text, "MIDI error 42.");
}

TEST(MidiResultTextTest, EveryFailureHasAText) {
  EXPECT_TRUE(MidiResultText(kMidiOk).empty());
  for (int code = 1; code < 40; ++code) EXPECT_FALSE(MidiResultText(code).empty()) << code;
  EXPECT_FALSE(MidiResultText(-5).empty());
}

TEST_F(MidiPortsTest, ClosingThePortsWhenTheLayerGoes) {
  {
    MidiApi local(service, settings, dialogs);
    local.OpenMidiIn(0);
    local.OpenMidiOut(0);
    EXPECT_EQ(service.openInPorts(), 1);
    EXPECT_EQ(service.openOutPorts(), 1);
  }
  EXPECT_EQ(service.openInPorts(), 0);
  EXPECT_EQ(service.openOutPorts(), 0);
}

}  // namespace
}  // namespace tarnwick
