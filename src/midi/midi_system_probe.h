// SPDX-License-Identifier: GPL-3.0-or-later
// Whether a MIDI system can start on this machine, asked before RtMidi is: RtMidi would find out
// too, but only after printing its own complaints about every system that is missing.
#pragma once

namespace tarnwick {

// The ALSA sequencer device exists (Linux); false elsewhere.
bool AlsaSequencerPresent();

}  // namespace tarnwick
