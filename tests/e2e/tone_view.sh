#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Tone view of the real program as a screen reader meets it: each browser grid is a table of
# every entry by five columns, typing into the tone name filter narrows it, the monitor's labels
# carry their text, and every control has a name. The settings of sections Tone and DrumSet are
# written at exit.
# Usage: tone_view.sh <tarnwick executable> <folder for the screenshot>
set -euo pipefail

program=$1
out=$2

source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"
start_accessibility_bus
a11y() { /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/a11y.py" "$@"; }

mkdir -p "$(dirname "$settings")"
cat >"$settings" <<'INI'
[Main]
ActiveMenu=2
[Midi]
MidiInSelDev=-3
MidiOutSelDev=-3
MidiInStatus=0
MidiOutStatus=0
[DrumSet]
CurChannel=15
INI

start_program
wait_for_window "Tarnwick - Tone"
main=$window
sleep 1
[ "$(a11y table Tones)" = "1994 5" ] || fail "the tone grid reads as $(a11y table Tones)"
[ "$(a11y table "Drum Sets")" = "51 5" ] || fail "the drum set grid reads as $(a11y table "Drum Sets")"
[ "$(a11y cell Tones 0 0)" = "0" ] || fail "the first tone row's ID reads as $(a11y cell Tones 0 0)"
unnamed=$(a11y unnamed)
[ -z "$unnamed" ] || fail "controls without a name: $unnamed"

# Type into the tone name filter: click it, type "piano".
read -r x y w h < <(a11y find "Tone [Filter]")
xdotool mousemove $((x + w / 4)) $((y + h / 2)) click 1
xdotool type --delay 50 piano
sleep 0.5
rows=$(a11y table Tones | cut -d' ' -f1)
[ "$rows" -gt 0 ] && [ "$rows" -lt 1994 ] || fail "the name filter left $rows rows"
import -window root "PNG24:$out/tone-view.png"

send_keys "$main" Escape alt+x
wait_for_exit
expect_setting Tone MarkPos 1
expect_setting Tone CurChannel 3
expect_setting DrumSet CurChannel 15
expect_setting Tone MidiIn_PC 0
echo "screenshot: $out/tone-view.png"
echo "PASS"
