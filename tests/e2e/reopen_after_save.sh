#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A player deletes a UP and then opens the same file again, answering Save to the question about
# the unsaved change: the file is saved first and then read, so the disk and the grid agree (one
# UP fewer) and nothing is marked as unsaved.
# Usage: reopen_after_save.sh <tarnwick executable> <tarnwick-demo-files executable> <folder for pictures>
set -euo pipefail

program=$1
demo_files=$2
out=$3

source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"
a11y="/usr/bin/python3 $(dirname "${BASH_SOURCE[0]}")/a11y.py"

files="$work/files"
mkdir -p "$files" "$XDG_CONFIG_HOME/Tarnwick"
"$demo_files" "$files" 40 >/dev/null
cat >"$settings" <<INI
[Main]
ActiveMenu=0
INI

click_at() {  # "x y w h" of an object: a click in its middle
  local x y w h
  read -r x y w h <<<"$1"
  xdotool mousemove $((x + w / 2)) $((y + h / 2)) click 1
  sleep 0.4
}

start_accessibility_bus
start_past_midi_setup "$files/Gig.UPS"
sleep 0.5
[ "$($a11y table "File 0 UPs")" = "192 13" ] || fail "Gig.UPS does not show its 192 UPs"

# Delete the UP in row 3, then Open the same file again.
at=$($a11y cell-center "File 0 UPs" 3 2) || fail "no row 3"
# shellcheck disable=SC2086
xdotool mousemove $at click 1
sleep 0.3
click_at "$($a11y find "Delete selected UPs from File 0")"
[ "$($a11y table "File 0 UPs")" = "191 13" ] || fail "the UP was not deleted"
click_at "$($a11y find "Open")"
wait_for_window "Open Roland EM-2000  -  .*"
xdotool windowfocus --sync "$window"
xdotool type --delay 20 "$files/Gig.UPS"
xdotool key Return
wait_for_window "Unsaved Changes"
send_keys "$window" Return  # Save is the question's default answer
wait_for_window "Tarnwick - User Prog"
sleep 0.5

# The disk holds 191 UPs, the grid shows them, and nothing is marked.
count=$("$(dirname "$program")/upstool" check "$files/Gig.UPS")
case "$count" in *"library of 191 UPs"*) ;; *) fail "the file on disk: $count" ;; esac
[ "$($a11y table "File 0 UPs")" = "191 13" ] || fail "the grid does not show the 191 UPs read back"
xdotool search --onlyvisible --name '\*' >/dev/null 2>&1 && fail "a file is still marked as unsaved"
send_keys "$main" alt+x
wait_for_exit
echo "PASS"
