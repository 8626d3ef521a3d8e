#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the real program on a private X server with a private settings folder, three times:
#   1. first start: the MIDI setup dialog comes up over the main window; Escape closes it, the
#      User Program view follows; a screenshot is taken; Alt+X (" E&xit ") ends the program, and
#      the settings file must record both ports closed and the User Program view;
#   2. second start: no dialog; Alt+K switches to the Keyboard view; exit;
#   3. third start: the Keyboard view comes back.
# Usage: start_and_exit.sh <tarnwick executable> <folder for the screenshot>
set -euo pipefail

program=$1
out=$2

source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"

# --- 1. First start -------------------------------------------------------------------------
start_program
wait_for_window "Midi Setup"
setup=$window
wait_for_window "Tarnwick"  # the main window is up, no view chosen yet
send_keys "$setup" Escape
wait_for_window "Tarnwick - User Prog"
main=$window
sleep 0.5
import -window root "PNG24:$out/first-start.png"
send_keys "$main" alt+x
wait_for_exit
[ -f "$settings" ] || fail "no settings file was written"
expect_setting Midi MidiInStatus 0
expect_setting Midi MidiOutStatus 0
expect_setting Main ActiveMenu 0
expect_setting Midi Basic_Channel_TX 12

# --- 2. Second start: no dialog, switch to the Keyboard view --------------------------------
start_program
wait_for_window "Tarnwick - User Prog"
main=$window
xdotool search --onlyvisible --name "^Midi Setup\$" >/dev/null 2>&1 && fail "the MIDI setup dialog came up again"
send_keys "$main" alt+k
wait_for_window "Tarnwick - Keyboard"
send_keys "$main" alt+x
wait_for_exit
expect_setting Main ActiveMenu 3

# --- 3. Third start: the Keyboard view comes back -------------------------------------------
start_program
wait_for_window "Tarnwick - Keyboard"
main=$window
send_keys "$main" alt+x
wait_for_exit

grep 'first paint' "$work/program.log" || true
echo "screenshot: $out/first-start.png"
echo "PASS"
