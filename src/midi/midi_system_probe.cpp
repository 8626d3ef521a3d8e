// SPDX-License-Identifier: GPL-3.0-or-later
#include "midi/midi_system_probe.h"

#if defined(__linux__)
#include <unistd.h>
#endif

#include <algorithm>
#include <thread>

#if defined(TARNWICK_HAVE_JACK)
#include <jack/jack.h>

#include <mutex>
#endif

namespace tarnwick {

bool AlsaSequencerPresent() {
#if defined(__linux__)
  return access("/dev/snd/seq", R_OK | W_OK) == 0;
#else
  return false;
#endif
}

#if defined(TARNWICK_HAVE_JACK)
namespace {

// The JACK library prints every failed connection attempt to stderr. A missing server is an
// ordinary state for this program (the device list just leaves JACK out), so the library's
// messages are dropped.
void DropJackMessage(const char*) {}

jack_client_t* OpenQuietClient(const char* name) {
  static std::once_flag quietened;
  std::call_once(quietened, [] {
    jack_set_error_function(DropJackMessage);
    jack_set_info_function(DropJackMessage);
  });
  jack_status_t status{};
  return jack_client_open(name, JackNoStartServer, &status);
}

}  // namespace

bool JackServerRunning() {
  jack_client_t* client = OpenQuietClient("Tarnwick Probe");
  if (client == nullptr) return false;
  jack_client_close(client);
  return true;
}

void WaitForJackCycles(int cycles, std::chrono::milliseconds limit) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  jack_client_t* client = OpenQuietClient("Tarnwick Clock");
  if (client == nullptr) return;
  // The frame time of the current cycle's start moves on by one period per cycle; the client
  // need not be active to read it.
  const jack_nframes_t period = jack_get_buffer_size(client);
  const jack_nframes_t start = jack_last_frame_time(client);
  while (jack_last_frame_time(client) - start < static_cast<jack_nframes_t>(cycles) * period &&
         std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  jack_client_close(client);
}
#else
bool JackServerRunning() { return true; }

void WaitForJackCycles(int, std::chrono::milliseconds limit) {
  std::this_thread::sleep_for(std::min(limit, std::chrono::milliseconds(100)));
}
#endif

}  // namespace tarnwick
