// SPDX-License-Identifier: GPL-3.0-or-later
// The MIDI commands of upstool. Each takes the words after its name (see command.h) and needs no
// display.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace tarnwick {
class MidiService;
}

namespace tarnwick::upstool {

// midi-ports: the numbered MIDI devices as the setup dialog lists them, one per line:
// "in N: NAME", "out N: NAME", and last "out -1: Tarnwick", the virtual port.
int RunMidiPortsCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// send-up ID --out N [--channel C] [--wait SECONDS]: selects UP ID (0..191) on the instrument
// through output N, on MIDI channel C (1..16, default 13). --wait: first wait up to SECONDS for a
// peer connected to the output; the virtual port (-1) needs it, since it has no peer otherwise.
int RunSendUpCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The same commands on a given MIDI service.
int RunMidiPortsOn(MidiService& service, const std::vector<std::string>& args, std::ostream& out,
                   std::ostream& err);
int RunSendUpOn(MidiService& service, const std::vector<std::string>& args, std::ostream& out,
                std::ostream& err);

}  // namespace tarnwick::upstool
