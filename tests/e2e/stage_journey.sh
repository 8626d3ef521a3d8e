#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Stage view as a player uses it: five UPs added from the grid's menu, the set list saved,
# PageDown stepping through it while a jack_midi_dump peer hears the UP selects in set order,
# and after a restart the set list is back. Screenshots in normal and Dark mode, full screen.
# Usage: stage_journey.sh <tarnwick> <tarnwick-demo-files> <upstool> <folder for pictures>
set -euo pipefail

program=$1
demo_files=$2
upstool=$3
out=$4
here="$(dirname "${BASH_SOURCE[0]}")"
source "$here/e2e_lib.sh"
a11y="/usr/bin/python3 $here/a11y.py"

need_tools jackd jack_wait jack_midi_dump
export JACK_DEFAULT_SERVER="tarnwick-e2e-stage"  # one fixed name: a run reuses its slot
start_jack_server
start_dump_peer stagedump "$work/dump.log"

files="$work/files"
mkdir -p "$files" "$XDG_CONFIG_HOME/Tarnwick"
"$demo_files" "$files" 40
cat >"$settings" <<INI
[Files]
UPSFilePathName1=$files/Gig.UPS

[Main]
ActiveMenu=0

[Midi]
MidiInSelDev=-2
MidiInStatus=0
MidiOutSelDev=$device
MidiOutStatus=1
INI

start_accessibility_bus
start_program
wait_for_window "Tarnwick - User Prog"
main=$window
sleep 0.5

# 1. UPs 2..6 of File 0 selected and added from the grid's menu (its last entry).
at=$($a11y cell-center "File 0 UPs" 2 2) || fail "no grid"
xdotool mousemove $at click 1
at=$($a11y cell-center "File 0 UPs" 6 2)
xdotool mousemove $at keydown shift click 1 keyup shift
sleep 0.3
xdotool click 3
sleep 0.5
xdotool key Up Return
sleep 0.5

# 2. The Stage view; Ctrl+S asks for a name.
send_keys "$main" alt+s
wait_for_window "Tarnwick - Stage - New set list\\*"
[ "$($a11y table "Set list")" = "5 7" ] || fail "the set list is not 5 rows by 7 columns: $($a11y table "Set list")"
[ "$($a11y headers "Set list" | tr '\n' ',')" = "#,UP,Name,Style,Tempo,Song,Note," ] || fail "column titles"
last_name=$($a11y cell "Set list" 4 2)
[ -n "$last_name" ] || fail "the last entry has no name"
send_keys "$main" ctrl+s
wait_for_window "Save Set List"
xdotool key ctrl+a
xdotool type --delay 20 "$work/gig"
xdotool key Return
wait_for_window "Tarnwick - Stage - gig.tarnwick-set"
[ -s "$work/gig.tarnwick-set" ] || fail "no set list file"

# 3. Four steps with PageDown: UPs 3, 4, 5, 6 (the first entry is current without a send).
for _ in 1 2 3 4; do send_keys "$main" Next; sleep 0.3; done
sleep 0.5
programs=$(awk '$2 == "cc" { printf "%s ", $3 }' "$work/dump.log")
[ "$programs" = "03 04 05 06 " ] || fail "the peer heard the programs \"$programs\": $(cat "$work/dump.log")"

# The screenshots: full screen, normal and dark.
send_keys "$main" F11
sleep 1
import -window root "PNG24:$out/stage-normal.png"
send_keys "$main" ctrl+d
sleep 0.5
import -window root "PNG24:$out/stage-dark.png"
send_keys "$main" F11

# 4. Exit and start again: the set list is back.
send_keys "$main" alt+x
wait_for_exit
expect_setting Stage SetListPath "$work/gig.tarnwick-set"
expect_setting Stage Dark True
start_program
wait_for_window "Tarnwick - Stage - gig.tarnwick-set"
[ "$($a11y table "Set list")" = "5 7" ] || fail "the set list did not come back"
[ "$($a11y cell "Set list" 4 2)" = "$last_name" ] || fail "the last entry is \"$($a11y cell "Set list" 4 2)\", not \"$last_name\""
send_keys "$window" alt+x
wait_for_exit
