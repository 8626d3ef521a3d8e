// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up MIDI check: ports reopened by their device's name when the numbers have moved.
#include <gtest/gtest.h>

#include "app/midi_check.h"
#include "midi/loopback_midi_service.h"
#include "midi/midi_api.h"
#include "support/recording_dialogs.h"

namespace tarnwick {
namespace {

MidiInCaps InNamed(const char* name) {
  MidiInCaps caps;
  caps.name = name;
  return caps;
}

MidiOutCaps OutNamed(const char* name) {
  MidiOutCaps caps;
  caps.name = name;
  return caps;
}

struct Rig {
  LoopbackMidiService service;
  MidiSettings settings;
  testing::RecordingDialogs dialogs;
  MidiApi midi{service, settings, dialogs};
};

TEST(MidiCheck, APortIsReopenedOnTheDeviceOfItsNameAndTheNameIsKeptForTheNextRun) {
  Rig last;
  last.service.setInDevices({InNamed("Through"), InNamed("UM-ONE extern")});
  last.service.setOutDevices({OutNamed("Synth"), OutNamed("UM-ONE extern")});
  last.settings.inDevice = 1;  // as chosen in the setup dialog
  last.settings.outDevice = 1;
  ASSERT_EQ(last.midi.OpenMidiIn(1), 0);
  ASSERT_EQ(last.midi.OpenMidiOut(1), 0);
  EXPECT_EQ(last.settings.inDeviceName, "UM-ONE extern");
  EXPECT_EQ(last.settings.outDeviceName, "UM-ONE extern");

  // This run another device came first: the stored numbers now name other devices.
  Rig now;
  now.settings = last.settings;
  now.service.setInDevices({InNamed("Through"), InNamed("USB Keys"), InNamed("UM-ONE extern")});
  now.service.setOutDevices({OutNamed("UM-ONE extern"), OutNamed("Synth")});
  EXPECT_FALSE(ReopenMidiPorts(now.midi, now.settings, 1, 1));
  EXPECT_EQ(now.settings.inDevice, 2);
  EXPECT_EQ(now.settings.outDevice, 0);
  EXPECT_NE(now.midi.hMidiIn(), 0);
  now.midi.SendStart();
  ASSERT_EQ(now.service.sent().size(), 1u);
  EXPECT_EQ(now.service.sent()[0].device, 0);
  EXPECT_TRUE(now.dialogs.shown.empty());
}

TEST(MidiCheck, AGoneDeviceAsksForTheSetupWithoutOpeningAnother) {
  Rig rig;
  rig.service.setInDevices({InNamed("Through")});
  rig.service.setOutDevices({OutNamed("Synth")});
  rig.settings.inDevice = 0;
  rig.settings.inDeviceName = "UM-ONE extern";
  rig.settings.outDevice = 0;
  rig.settings.outDeviceName = "Synth";
  EXPECT_TRUE(ReopenMidiPorts(rig.midi, rig.settings, 1, 1));
  EXPECT_EQ(rig.midi.hMidiIn(), 0);
  EXPECT_NE(rig.midi.hMidiOut(), 0) << "the output's device is still there";
  EXPECT_EQ(rig.service.inOpenCount(), 0);

  // Settings of older runs carry no names: the numbers stand, and the virtual port as well.
  Rig old;
  old.settings.inDevice = 0;
  old.settings.outDevice = kVirtualOutDevice;
  old.settings.outDeviceName = "Tarnwick";
  EXPECT_FALSE(ReopenMidiPorts(old.midi, old.settings, 1, 1));
  EXPECT_NE(old.midi.hMidiIn(), 0);
  EXPECT_NE(old.midi.hMidiOut(), 0);
  EXPECT_EQ(DeviceToReopen(3, "", {"a"}), 3);
}

}  // namespace
}  // namespace tarnwick
