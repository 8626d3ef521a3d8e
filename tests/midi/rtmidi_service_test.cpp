// The RtMidi service where no MIDI system can start: it lists nothing, keeps the virtual port in
// the output list and reports every failure with a code, never with a crash.
#include "midi/rtmidi_service.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "midi/midi_result.h"
#include "midi/midi_system_probe.h"

namespace tarnwick {
namespace {

class NoMidiSystemTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (AlsaSequencerPresent()) GTEST_SKIP() << "this machine has an ALSA sequencer";
    const char* previous = std::getenv("JACK_DEFAULT_SERVER");
    previousServer_ = previous != nullptr ? std::optional<std::string>(previous) : std::nullopt;
    // A server name nobody runs, whatever servers this machine has.
    const std::string nobody = "tarnwick-nobody-" + std::to_string(::getpid());
    setenv("JACK_DEFAULT_SERVER", nobody.c_str(), 1);
  }
  void TearDown() override {
    if (previousServer_) {
      setenv("JACK_DEFAULT_SERVER", previousServer_->c_str(), 1);
    } else {
      unsetenv("JACK_DEFAULT_SERVER");
    }
  }

  class Listener final : public MidiInListener {
   public:
    void MidiInProc(int, MidiInEvent, std::uint32_t) noexcept override {}
  };

  std::optional<std::string> previousServer_;
};

TEST_F(NoMidiSystemTest, ListsNothingButTheVirtualPortAndFailsWithCodes) {
  RtMidiService service;
  EXPECT_EQ(service.inDeviceCount(), 0);
  EXPECT_EQ(service.outDeviceCount(), 0);

  MidiOutCaps caps;
  EXPECT_EQ(service.outDeviceCaps(kVirtualOutDevice, caps), kMidiOk);
  EXPECT_EQ(caps.name, "Tarnwick");
  EXPECT_EQ(caps.technology, kTechMidiMapper);
  MidiInCaps inCaps;
  EXPECT_EQ(service.inDeviceCaps(0, inCaps), kMidiErrBadDevice);

  int handle = 7;
  EXPECT_EQ(service.openOut(kVirtualOutDevice, handle), kMidiErrNoSystem);
  EXPECT_EQ(handle, 0);
  EXPECT_EQ(service.openOut(0, handle), kMidiErrBadDevice);
  Listener listener;
  EXPECT_EQ(service.openIn(0, listener, handle), kMidiErrBadDevice);
  EXPECT_EQ(service.sendShort(1, 0xFA), kMidiErrInvalidHandle);
  EXPECT_EQ(service.closeIn(1), kMidiErrInvalidHandle);
}

}  // namespace
}  // namespace tarnwick
