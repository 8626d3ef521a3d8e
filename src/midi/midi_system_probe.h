// SPDX-License-Identifier: GPL-3.0-or-later
// Questions to the MIDI systems that RtMidi does not answer: whether a system can start on this
// machine (RtMidi would find out too, but only after printing its own complaints about every
// system that is missing), and when JACK has carried out what was sent.
#pragma once

#include <chrono>

namespace tarnwick {

// The ALSA sequencer device exists (Linux); false elsewhere.
bool AlsaSequencerPresent();

// A JACK server answers under the server name in use (JACK_DEFAULT_SERVER, else "default").
// Without the JACK library at build time this answers true and leaves the question to RtMidi.
bool JackServerRunning();

// Returns once the JACK server has run `cycles` process cycles from now, or after `limit`. A JACK
// output sends in the next cycle, and the receiving program reads it in that cycle: a port closed
// sooner takes its last messages with it. Without the JACK library it sleeps a fixed 100 ms.
void WaitForJackCycles(int cycles, std::chrono::milliseconds limit);

}  // namespace tarnwick
