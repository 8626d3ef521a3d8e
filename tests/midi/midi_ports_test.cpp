// SPDX-License-Identifier: GPL-3.0-or-later
// Opening and closing the two ports and what their failures show; the device texts of the setup
// dialog; the RtMidi service where no MIDI system can start.
#include <gtest/gtest.h>

#include <unistd.h>

#include "midi/midi_device_choice.h"
#include "midi/midi_device_text.h"
#include "midi/midi_result.h"
#include "midi/midi_system_probe.h"
#include "midi/rtmidi_service.h"
#include "midi_test_support.h"

namespace tarnwick {
namespace {

class MidiPortsTest : public ::testing::Test, protected test::MidiRig<LoopbackMidiService> {};

TEST_F(MidiPortsTest, ReopeningKeepsOnePortAndTheLayerClosesItsPortsWhenItGoes) {
  {
    MidiApi local(service, settings, dialogs);
    EXPECT_EQ(local.OpenMidiIn(0), kMidiOk);
    const int first = local.hMidiIn();
    EXPECT_EQ(local.OpenMidiIn(0), kMidiOk);
    EXPECT_NE(local.hMidiIn(), first);
    EXPECT_NE(local.hMidiIn(), 0);
    EXPECT_TRUE(local.midiInEnabled());
    EXPECT_EQ(local.OpenMidiOut(0), kMidiOk);
    EXPECT_EQ(local.OpenMidiOut(kVirtualOutDevice), kMidiOk);
    EXPECT_EQ(service.openInPorts() + service.openOutPorts(), 2);
    local.SendStart();
    EXPECT_EQ(service.sent().at(0).device, kVirtualOutDevice);
  }
  EXPECT_EQ(service.openInPorts() + service.openOutPorts(), 0);
}

TEST_F(MidiPortsTest, PortsThatStopWorkingCloseWithOneMessageAndCanBeOpenedAgain) {
  int lostSignals = 0;
  QObject::connect(&midi, &MidiApi::portsLost, [&] { ++lostSignals; });
  const QString systemGone = QStringLiteral("Midi Out Error\r\n\r\n") +
                             QString::fromStdString(MidiResultText(kMidiErrSystemGone));

  // The system goes away under both ports; the next send finds it before the window thread does.
  ASSERT_EQ(midi.OpenMidiIn(0), kMidiOk);
  ASSERT_EQ(midi.OpenMidiOut(0), kMidiOk);
  service.loseOpenPorts(true);
  EXPECT_FALSE(midi.SendUPSelect(5)) << "a select into a lost port is not sent";
  test::WaitFor([] { return false; }, 50);
  EXPECT_EQ(dialogs.messages(), QStringList{systemGone});
  EXPECT_EQ(dialogs.shown.at(0).title, QStringLiteral("MIDI Out"));
  EXPECT_EQ(midi.hMidiIn(), 0);
  EXPECT_EQ(midi.hMidiOut(), 0);
  EXPECT_FALSE(midi.midiInEnabled());
  EXPECT_EQ(lostSignals, 1);
  EXPECT_TRUE(service.sent().empty());

  // Back again: both open and work.
  dialogs.clear();
  ASSERT_EQ(midi.OpenMidiIn(0), kMidiOk);
  ASSERT_EQ(midi.OpenMidiOut(0), kMidiOk);
  EXPECT_TRUE(midi.SendUPSelect(5));
  EXPECT_EQ(service.sent().size(), 3u);

  // Only the input's peer vanishes, found by the window thread on its own.
  midi.CloseMidiOut();
  service.loseOpenPorts(false);
  EXPECT_TRUE(test::WaitFor([&] { return midi.hMidiIn() == 0; }));
  test::WaitFor([] { return false; }, 50);
  EXPECT_EQ(dialogs.messages(), QStringList{QStringLiteral("Midi IN Error\r\n\r\n") +
                                            QString::fromStdString(MidiResultText(kMidiErrDeviceGone))});
  EXPECT_EQ(lostSignals, 2);
  EXPECT_EQ(service.openInPorts() + service.openOutPorts(), 0);
}

TEST_F(MidiPortsTest, FailuresReturnTheirCodesAndOnlyAServiceThatCannotBeCalledShowsOne) {
  service.setOpenInResult(0, kMidiErrRefused);
  service.setOpenOutResult(0, kMidiErrDeviceGone);
  EXPECT_EQ(midi.OpenMidiIn(0), kMidiErrRefused);
  EXPECT_EQ(midi.OpenMidiIn(7), kMidiErrBadDevice);
  EXPECT_EQ(midi.OpenMidiOut(0), kMidiErrDeviceGone);
  service.setOpenInResult(0, kMidiOk);
  service.setStartInResult(kMidiErrRefused);
  EXPECT_EQ(midi.OpenMidiIn(0), kMidiErrRefused);
  EXPECT_EQ(service.openInPorts(), 0);  // a port that does not start is closed again
  EXPECT_EQ(midi.hMidiIn() + midi.hMidiOut(), 0);
  EXPECT_FALSE(midi.midiInEnabled());
  EXPECT_TRUE(dialogs.shown.empty());

  service.setStartInResult(kMidiOk);
  service.setOpenInThrows(true);
  EXPECT_NE(midi.OpenMidiIn(0), kMidiOk);
  EXPECT_EQ(midi.hMidiIn(), 0);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].text, "Midi IN Error");
  EXPECT_EQ(dialogs.shown[0].title, "Tarnwick");

  // Success shows nothing; a code without a text of its own still shows one.
  dialogs.clear();
  midi.ShowMidiInError(kMidiOk);
  midi.ShowMidiOutError(42);
  EXPECT_EQ(dialogs.messages(), QStringList{"MIDI error 42."});
}

TEST(MidiDeviceTest, AMissingStoredDeviceIsKeptUnselectedAndTheInputTextHasItsNumbers) {
  EXPECT_EQ(ChooseOutDevice(2, {MidiOutCaps{}, MidiOutCaps{}}).row, -1);
  EXPECT_EQ(ChooseOutDevice(2, {MidiOutCaps{}, MidiOutCaps{}}).device, 2);
  EXPECT_EQ(InDevicePropertiesText({.manufacturerId = 65, .productId = 7, .driverVersion = 256, .name = "UM-ONE"}),
            "UM-ONE\r\n\r\nManufacturer identifier: 65\r\nProduct identifier: 7\r\nDriver version: 2.56\r\n");
  EXPECT_EQ(DriverVersionText(250), "2.5");
  EXPECT_EQ(DriverVersionText(300), "3");
}

TEST(NoMidiSystemTest, ListsOnlyTheVirtualPortAndFailsWithCodesNotCrashes) {
  if (AlsaSequencerPresent()) GTEST_SKIP() << "this machine has an ALSA sequencer";
  // A JACK server name that nobody runs; the other tests here use no MIDI system, so it stays.
  setenv("JACK_DEFAULT_SERVER", ("tarnwick-nobody-" + std::to_string(::getpid())).c_str(), 1);
  RtMidiService service;
  EXPECT_EQ(service.inDeviceCount() + service.outDeviceCount(), 0);
  MidiOutCaps caps;
  EXPECT_EQ(service.outDeviceCaps(kVirtualOutDevice, caps), kMidiOk);
  EXPECT_EQ(caps.name, "Tarnwick");
  int handle = 7;
  EXPECT_EQ(service.openOut(kVirtualOutDevice, handle), kMidiErrNoSystem);
  EXPECT_EQ(handle, 0);
  EXPECT_EQ(service.openOut(0, handle), kMidiErrBadDevice);
  EXPECT_EQ(service.sendShort(1, 0xFA), kMidiErrInvalidHandle);
}

}  // namespace
}  // namespace tarnwick
