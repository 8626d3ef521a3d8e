// SPDX-License-Identifier: GPL-3.0-or-later
// The MIDI service under the MIDI layer: numbered input and output devices with their
// capabilities, ports opened by device number and known by a handle, short messages out and a
// per-message input callback. RtMidiService talks to the machine's MIDI systems;
// LoopbackMidiService stays inside the process, for tests.
//
// Every operation returns a result code (midi_result.h): 0 for success. All operations are
// called from one thread (the window thread); only the input callback runs elsewhere.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace tarnwick {

// The output device number of the virtual "Tarnwick" port that other MIDI programs connect to.
inline constexpr int kVirtualOutDevice = -1;
inline constexpr char kVirtualPortName[] = "Tarnwick";

// Technology values of an output device.
enum MidiTechnology : std::uint16_t {
  kTechOutputPort = 1,
  kTechGenericSynth = 2,
  kTechSquareWaveSynth = 3,
  kTechFMSynth = 4,
  kTechMidiMapper = 5,
};

// Support flags of an output device.
enum MidiSupport : std::uint32_t {
  kSupportVolume = 0x1,
  kSupportLeftRightVolume = 0x2,
  kSupportPatchCaching = 0x4,
};

// What is known of a device. The MIDI systems of today name their ports and little else: the
// fields they do not know are 0.
struct MidiInCaps {
  std::uint16_t manufacturerId = 0;
  std::uint16_t productId = 0;
  std::uint32_t driverVersion = 0;  // major × 256 + minor
  std::string name;
};

struct MidiOutCaps {
  std::uint16_t manufacturerId = 0;
  std::uint16_t productId = 0;
  std::uint32_t driverVersion = 0;
  std::string name;
  std::uint16_t technology = kTechOutputPort;
  std::uint16_t voices = 0;
  std::uint16_t notes = 0;
  std::uint16_t channelMask = 0;
  std::uint32_t support = 0;
};

// What an input callback reports.
enum class MidiInEvent : std::uint32_t {
  Open = 0x3C1,
  Close = 0x3C2,
  Data = 0x3C3,      // a short message arrived; the callback's message holds it, packed
  LongData = 0x3C4,  // a system-exclusive message arrived (never decoded)
  Error = 0x3C5,     // the port received bytes that make no message
};

// Receives every event of an open input port, on the MIDI system's own thread, one call at a
// time and in arrival order. The implementation must not block: it runs while the MIDI system
// waits for it.
class MidiInListener {
 public:
  virtual void MidiInProc(int handle, MidiInEvent event, std::uint32_t message) noexcept = 0;

 protected:
  ~MidiInListener() = default;
};

class MidiService {
 public:
  virtual ~MidiService() = default;

  // The device counts read the list of devices afresh; device numbers refer to the list read
  // last, so a list shown to the user stays valid while ports come and go.
  virtual int inDeviceCount() = 0;
  virtual int outDeviceCount() = 0;
  virtual int inDeviceCaps(int device, MidiInCaps& caps) = 0;
  // `device` may be kVirtualOutDevice.
  virtual int outDeviceCaps(int device, MidiOutCaps& caps) = 0;

  // Opens an input port; its events go to `listener` once the port is started. On success
  // `handle` is a non-zero number that no other open port of this service has.
  virtual int openIn(int device, MidiInListener& listener, int& handle) = 0;
  virtual int startIn(int handle) = 0;
  virtual int stopIn(int handle) = 0;
  // After closeIn returns, the listener is never called again for this handle.
  virtual int closeIn(int handle) = 0;

  virtual int openOut(int device, int& handle) = 0;
  // Sends the message at once, with as many bytes as its status byte calls for.
  virtual int sendShort(int handle, std::uint32_t message) = 0;
  virtual int closeOut(int handle) = 0;

  virtual std::string inErrorText(int code) const = 0;
  virtual std::string outErrorText(int code) const = 0;

  // --- Ports that stop working under the program ---
  struct LostPort {
    int handle = 0;
    bool input = false;
    bool systemGone = false;  // the whole MIDI system went away, not only the port's peer
  };
  // Called, from any thread, whenever lostPorts() may have something new. Set it to nullptr
  // before its target goes away.
  virtual void setLossNotifier(std::function<void()> notify) { (void)notify; }
  // The open ports that have stopped working since the last call: their MIDI system went away or
  // the peer they were connected to did. They are closed already and their handles are free.
  virtual std::vector<LostPort> takeLostPorts() { return {}; }
  // How many peers are connected to an open output port; -1 when the MIDI system does not tell.
  virtual int outConnections(int handle) { (void)handle; return -1; }
};

}  // namespace tarnwick
