// The setup dialog's device logic without the dialog: the entry a stored device number selects,
// and the Properties texts.
#include <gtest/gtest.h>

#include "midi/midi_device_choice.h"
#include "midi/midi_device_text.h"
#include "midi/midi_settings.h"

namespace tarnwick {
namespace {

MidiOutCaps Out(const char* name, std::uint16_t technology = kTechOutputPort) {
  MidiOutCaps caps;
  caps.name = name;
  caps.technology = technology;
  return caps;
}

TEST(DeviceChoiceTest, StoredNumbersSelectTheirEntriesAndTheVirtualPortIsTheLast) {
  const std::vector<MidiOutCaps> outs = {Out("A"), Out("B"), Out("Tarnwick", kTechMidiMapper)};
  EXPECT_EQ(ChooseOutDevice(1, outs).row, 1);
  EXPECT_EQ(ChooseOutDevice(kMidiMapperDevice, outs).row, 2);
  EXPECT_EQ(OutDeviceForRow(2, 3), kMidiMapperDevice);
  EXPECT_EQ(OutDeviceForRow(1, 3), 1);
  // A number the list no longer has selects nothing and is kept; "none" stays none.
  EXPECT_EQ(ChooseOutDevice(2, outs).row, -1);
  EXPECT_EQ(ChooseOutDevice(2, outs).device, 2);
  EXPECT_EQ(ChooseOutDevice(kMidiNoDevice, outs).row, -1);
  MidiInCaps externIn;
  externIn.name = "extern";
  EXPECT_EQ(ChooseInDevice(5, {externIn}).device, 5);
  EXPECT_EQ(ChooseInDevice(kMidiNoDevice, {externIn}).row, -1);
  EXPECT_EQ(ChooseInDevice(kMidiMapperDevice, {externIn}).row, -1);
  EXPECT_EQ(ChooseInDevice(kMidiDeviceNotChosen, {externIn}).row, 0);
}

TEST(DevicePropertiesTest, InputTextHasNameAndIdentifiers) {
  MidiInCaps caps;
  caps.name = "UM-ONE";
  caps.manufacturerId = 65;
  caps.productId = 7;
  caps.driverVersion = 256;
  EXPECT_EQ(InDevicePropertiesText(caps),
            "UM-ONE\r\n\r\nManufacturer identifier: 65\r\nProduct identifier: 7\r\nDriver version: 2.56\r\n");
}

TEST(DevicePropertiesTest, OutputTextListsTechnologyMaskAndOnlyTheSupportThatIsSet) {
  MidiOutCaps caps = Out("Port", 9);
  caps.channelMask = 0x0A0;
  caps.support = kSupportLeftRightVolume | kSupportPatchCaching;
  const std::string text = OutDevicePropertiesText(caps);
  EXPECT_NE(text.find("\r\nTechnology:\r\nVoices: 0\r\nNotes: 0\r\nChannelMask: HA0\r\n"), std::string::npos);
  EXPECT_NE(text.find("Support: \r\n          Separate left-right volume control\r\n          Patch catching\r\n"),
            std::string::npos);
  EXPECT_EQ(text.find("Volume control"), std::string::npos);
  EXPECT_NE(OutDevicePropertiesText(Out("Tarnwick", kTechMidiMapper)).find("Technology: MIDI mapper\r\n"),
            std::string::npos);
}

TEST(DevicePropertiesTest, DriverVersionInHundredths) {
  EXPECT_EQ(DriverVersionText(256), "2.56");
  EXPECT_EQ(DriverVersionText(250), "2.5");
  EXPECT_EQ(DriverVersionText(305), "3.05");
  EXPECT_EQ(DriverVersionText(300), "3");
}

}  // namespace
}  // namespace tarnwick
