#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Keyboard view lit by a real MIDI peer: a private JACK server, a peer that plays a chord into
# Tarnwick's input, a screenshot with the lit keys (their colours searched in the picture), then
# the chord's note-offs, after which no key may stay lit. A screen reader reads the ROM style list
# as a table of 128 rows by 3 columns and finds a name on every control.
# Usage: keyboard_notes.sh <tarnwick executable> <upstool executable> <folder for the screenshots> <server name>
set -euo pipefail

program=$1
upstool=$2
out=$3
here="$(dirname "${BASH_SOURCE[0]}")"

source "$here/e2e_lib.sh"

command -v jackd >/dev/null && /usr/bin/python3 -c 'import jack' 2>/dev/null \
  || missing_need "no jackd or python3-jack-client"
export JACK_DEFAULT_SERVER=$4
peer_pid=""
journey_cleanup() {
  [ -n "$peer_pid" ] && kill "$peer_pid" 2>/dev/null || true
}
start_jack_server

/usr/bin/python3 "$here/jack_note_peer.py" kbpeer "$work/release" >"$work/peer.log" 2>&1 &
peer_pid=$!
poll_until grep -q ready "$work/peer.log" 2>/dev/null || true
device=$("$upstool" midi-ports | awk -F'[ :]+' '/^in [0-9]+: .*kbpeer:notes$/ { print $2; exit }')
[ -n "$device" ] || fail "the peer's port is not listed: $("$upstool" midi-ports)"

# Input open on the peer, output closed, the Keyboard view shown, keys lit in green.
mkdir -p "$(dirname "$settings")"
cat >"$settings" <<INI
[Main]
ActiveMenu=3

[Midi]
MidiInSelDev=$device
MidiInStatus=1
MidiOutSelDev=-3
MidiOutStatus=0
INI

# Pixels of an exact colour in a picture.
count_colour() {
  convert "$1" -alpha off -fill black +opaque "$2" -fill white -opaque "$2" -format '%[fx:round(mean*w*h)]' info:
}

start_accessibility_bus
start_program
wait_for_window "Tarnwick - Keyboard"
main=$window
a11y="/usr/bin/python3 $here/a11y.py"
[ "$($a11y table "Internal ROM Styles")" = "128 3" ] || fail "the ROM style list does not read as 128 rows by 3 columns"
unnamed=$($a11y unnamed)
[ -z "$unnamed" ] || fail "controls without an accessible name: $unnamed"
sleep 1
import -window root "PNG24:$out/keyboard-lit.png"
# Green for velocity v: (256 - 2v, 256 - v, 256 - 2v).
for velocity in 127 100 40; do
  colour="rgb($((256 - 2 * velocity)),$((256 - velocity > 255 ? 255 : 256 - velocity)),$((256 - 2 * velocity)))"
  [ "$(count_colour "$out/keyboard-lit.png" "$colour")" -gt 20 ] || fail "no key lit in $colour"
done

touch "$work/release"
sleep 1
import -window root "PNG24:$out/keyboard-released.png"
for velocity in 127 100 80 60 40; do
  colour="rgb($((256 - 2 * velocity)),$((256 - velocity)),$((256 - 2 * velocity)))"
  [ "$(count_colour "$out/keyboard-released.png" "$colour")" -eq 0 ] || fail "a key stays lit in $colour"
done

send_keys "$main" alt+x
wait_for_exit
expect_setting Keyboard MidiIn_To_KeyboardMode 1
expect_setting Keyboard WhiteKeyWidth 13
[ -z "$(setting Keyboard CurChannel)" ] || fail "the keyboard's channel was written"
echo "screenshots: $out/keyboard-lit.png $out/keyboard-released.png"
echo "PASS"
