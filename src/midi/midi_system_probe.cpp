// SPDX-License-Identifier: GPL-3.0-or-later
#include "midi/midi_system_probe.h"

#if defined(__linux__)
#include <unistd.h>
#endif

namespace tarnwick {

bool AlsaSequencerPresent() {
#if defined(__linux__)
  return access("/dev/snd/seq", R_OK | W_OK) == 0;
#else
  return false;
#endif
}

}  // namespace tarnwick
