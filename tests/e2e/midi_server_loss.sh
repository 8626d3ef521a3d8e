#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The audio server dies under an open MIDI output: one message says so, Midi Setup still opens
# (on no server), the server comes back, Midi Setup opens the output again, and a UP selected
# with Space reaches a new peer. The server is killed as a crash would end it; its name is the
# journey's fixed one, and it is started again and stopped at the end, so that JACK's registry
# slot of the name is freed.
# Usage: midi_server_loss.sh <tarnwick> <upstool> <tarnwick-demo-files> <folder for pictures> <server name>
set -euo pipefail

program=$1
upstool=$2
demo_files=$3
out=$4
here="$(dirname "${BASH_SOURCE[0]}")"

source "$here/e2e_lib.sh"
need_tools jackd jack_wait jack_midi_dump
export JACK_DEFAULT_SERVER=$5
killed=0
start_jack() { killed=0; start_jack_server; }
journey_cleanup() {
  if [ "$killed" = 1 ]; then  # takes the killed server's registry slot back
    jackd --no-realtime -d dummy </dev/null >/dev/null 2>&1 &
    jack_pid=$!
    jack_wait -w -t 10 >/dev/null 2>&1 || true
    stop_jack_server
  fi
}
a11y="/usr/bin/python3 $here/a11y.py"
click_at() { xdotool mousemove "$1" "$2" click 1; sleep 0.3; }

start_jack
start_dump_peer loss-peer "$work/dump1.txt"
files="$work/files"
mkdir -p "$files" "$(dirname "$settings")"
"$demo_files" "$files" 40 >/dev/null
cat >"$settings" <<INI
[Files]
UPSFilePathName1=$files/Gig.UPS

[Main]
ActiveMenu=0

[Midi]
MidiInStatus=0
MidiOutSelDev=$device
MidiOutSelDevName=loss-peer:input
MidiOutStatus=1
INI

start_accessibility_bus
start_program
wait_for_window "Tarnwick - User Prog"
main=$window
sleep 0.5

# The server dies: one message, and only one.
kill -9 "$jack_pid"
killed=1
wait "$jack_pid" 2>/dev/null || true
# jack_midi_dump outlives its server, and its process thread would go on waiting on the named
# semaphore that the next server's peer of the same name is woken through: it goes with its server.
kill "${peer_pids[0]}" && wait "${peer_pids[0]}" 2>/dev/null || true
wait_for_window "MIDI Out"
box=$window
sleep 1
[ "$(xdotool search --onlyvisible --name '^MIDI Out$' | wc -l)" = 1 ] || fail "more than one message box"
import -window root "PNG24:$out/server-lost-message.png"
send_keys "$box" Return
sleep 0.5

# Midi Setup while no server runs.
send_keys "$main" alt+m
wait_for_window "Midi Setup"
send_keys "$window" Escape
sleep 0.5

# The server is back, with a new peer of the same name: Midi Setup opens the output again.
start_jack
start_dump_peer loss-peer "$work/dump2.txt"
send_keys "$main" alt+m
wait_for_window "Midi Setup"
setup=$window
# shellcheck disable=SC2046
click_at $($a11y find-all OFF | tail -n1 | awk '{ print $1 + 8, $2 + $4 / 2 }')
import -window root "PNG24:$out/midi-setup-reopened.png"
# shellcheck disable=SC2046
click_at $($a11y find OK | awk '{ print $1 + $3 / 2, $2 + $4 / 2 }')
sleep 1
xdotool search --onlyvisible --name "^Midi Setup\$" >/dev/null 2>&1 && fail "Midi Setup did not close: $($a11y windows)"
grep -q "MIDI Out" <<<"$($a11y windows)" && fail "a message box came up after reopening"

# A UP selected with Space reaches the new peer: bank select MSB, LSB and program change.
# shellcheck disable=SC2046
click_at $($a11y cell-center "File 0 UPs" 5 2)
send_keys "$main" space
heard_select() { [ "$(grep -cE ': (bc|cc) ' "$work/dump2.txt")" -ge 3 ]; }
poll_until heard_select || fail "the new peer heard no UP select: $(cat "$work/dump2.txt"); connections: $(jack_lsp -c 2>&1)"

send_keys "$main" alt+x
wait_for_exit
echo "screenshots: $out/server-lost-message.png $out/midi-setup-reopened.png"
echo "PASS"
