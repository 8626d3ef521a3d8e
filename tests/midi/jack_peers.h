// SPDX-License-Identifier: GPL-3.0-or-later
// Peers on a real JACK server for the MIDI tests: port names no other test process uses, the
// device number under which the program lists a peer's port, and what a listening peer heard.
#pragma once

#include <RtMidi.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "midi/midi_service.h"
#include "midi_test_support.h"

namespace tarnwick::test {

inline std::string UniquePeerPort(const std::string& prefix) {
  static int serial = 0;
  return prefix + "-" + std::to_string(::getpid()) + "-" + std::to_string(++serial);
}

// The device listing the port "client:`port`"; -2 when the list has none.
inline int OutDeviceNamed(MidiService& service, const std::string& port) {
  for (int device = 0; device < service.outDeviceCount(); ++device) {
    MidiOutCaps caps;
    if (service.outDeviceCaps(device, caps) == 0 && caps.name.ends_with(":" + port)) return device;
  }
  return -2;
}

inline int InDeviceNamed(MidiService& service, const std::string& port) {
  for (int device = 0; device < service.inDeviceCount(); ++device) {
    MidiInCaps caps;
    if (service.inDeviceCaps(device, caps) == 0 && caps.name.ends_with(":" + port)) return device;
  }
  return -2;
}

// What the listening peer has received by now or within the wait, as hex bytes, a message a line.
inline Log Heard(RtMidiIn& peer, std::size_t count) {
  Log heard;
  WaitFor([&] {
    std::vector<unsigned char> bytes;
    for (peer.getMessage(&bytes); !bytes.empty(); peer.getMessage(&bytes)) {
      std::string text;
      for (const unsigned char byte : bytes) {
        char hex[4];
        std::snprintf(hex, sizeof hex, text.empty() ? "%02X" : " %02X", byte);
        text += hex;
      }
      heard.push_back(text);
    }
    return heard.size() >= count;
  });
  return heard;
}

}  // namespace tarnwick::test
