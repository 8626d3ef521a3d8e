// SPDX-License-Identifier: GPL-3.0-or-later
// upstool: the command-line companion of the Tarnwick editor, over the same file and list code.
#include <iostream>
#include <string>
#include <vector>

#include "command_line.h"
#include "catalog_commands.h"
#include "commands.h"
#include "midi_commands.h"
#include "stage_command.h"

namespace {

using tarnwick::upstool::CommandEntry;

constexpr CommandEntry kCommands[] = {
    {"check", "FILE...", "say for each file whether it loads, and as a set or a library",
     tarnwick::upstool::RunCheckCommand},
    {"list", "FILE [--parts]", "print the UPs of a file as CSV (--parts: with the part settings)",
     tarnwick::upstool::RunListCommand},
    {"dl", "FILE", "print the 111 Disk Link entries of a file", tarnwick::upstool::RunDlCommand},
    {"save", "IN OUT [--force]",
     "write IN to OUT with the magic that fits its count (--force: replace OUT)",
     tarnwick::upstool::RunSaveCommand},
    {"make-lists", "SRCDIR OUTDIR", "build the four name list files from their sources",
     tarnwick::upstool::RunMakeListsCommand},
    {"setlist", "FILE -o OUT [--sort COLUMN] [--paper a4|letter] [--large] [--force]",
     "write a set list (ID, UP, Name, Style, Tempo, Song) as PDF, CSV or HTML by OUT's ending; "
     "--sort by id, up, name, style, tempo or song; --large: 16 pt print for the stage; "
     "--force: replace OUT",
     tarnwick::upstool::RunSetListCommand},
    {"find", "WORDS... [--in DIR]... [--csv]",
     "scan the folders into the UP catalog (--in: these, else the stored ones) and print the UPs that fit "
     "the words: name, style or song prefixes, name: style: song: tempo:120 tempo:100-120 style:D88",
     tarnwick::upstool::RunFindCommand},
    {"diff", "A B [--by-name] [--csv]",
     "print the UPs that differ between two files, by ID (--by-name: by name), with the fields that do; "
     "exit 0 identical, 1 different, 2 trouble",
     tarnwick::upstool::RunDiffCommand},
    {"stage", "FILE.tarnwick-set",
     "print the entries of a set list as CSV (#, UP, Name, Style, Tempo, Song, Note), looked up in its .UPS file",
     tarnwick::upstool::RunStageCommand},
    {"midi-ports", "", "list the numbered MIDI input and output devices",
     tarnwick::upstool::RunMidiPortsCommand},
    {"send-up", "ID --out N [--channel C] [--wait S]",
     "select UP ID (0..191) on the instrument through output N, channel C (1..16, default 13); --wait: "
     "first wait up to S seconds for a connection (needed for N = -1, the virtual port)",
     tarnwick::upstool::RunSendUpCommand},
};

}  // namespace

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> args(argv + 1, argv + argc);
  return tarnwick::upstool::RunCommandLine(kCommands, args, std::cout, std::cerr);
}
