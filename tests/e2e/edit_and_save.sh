#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A player edits a set and saves it: the program starts with Gig.UPS in File 0, a UP is renamed
# through the name pop-up over its cell and another UP's tempo changed through the number
# pop-up, the file is saved with Save, and the file on disk must equal the original with
# exactly those two changes. Screenshots show the pop-up over the cell and the edit panel.
# Usage: edit_and_save.sh <tarnwick executable> <tarnwick-demo-files executable> <folder for pictures>
set -euo pipefail

program=$1
demo_files=$2
out=$3

source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"
a11y="/usr/bin/python3 $(dirname "${BASH_SOURCE[0]}")/a11y.py"

files="$work/files"
mkdir -p "$files" "$XDG_CONFIG_HOME/Tarnwick"
"$demo_files" "$files" 40
cp "$files/Gig.UPS" "$work/original.UPS"
cat >"$settings" <<INI
[Files]
UPSFilePathName1=$files/Gig.UPS
UPSFilePathName2=$files/Library.UPS

[Main]
ActiveMenu=0
INI

start_accessibility_bus
start_program
wait_for_window "Midi Setup"
send_keys "$window" Escape
wait_for_window "Tarnwick - User Prog"
main=$window
sleep 0.5

double_click_cell() {  # row col [grid]
  local at
  at=$($a11y cell-center "${3:-File 0 UPs}" "$1" "$2") || fail "no cell $1,$2 in ${3:-File 0 UPs}"
  # shellcheck disable=SC2086
  xdotool mousemove $at click 1
  sleep 0.2
  xdotool click --repeat 2 --delay 80 1
  sleep 0.5
}

type_into_popup() {  # text [screenshot]
  xdotool key --clearmodifiers ctrl+a
  xdotool type --delay 30 "$1"
  [ -n "${2:-}" ] && import -window root "PNG24:$out/$2"
  xdotool key --clearmodifiers Return
  sleep 0.5
}

# Rename UP 5 (row 5 of the grid sorted by ID) and set the tempo of UP 6.
double_click_cell 5 2
type_into_popup "Renamed" popup-over-cell.png
[ "$($a11y cell "File 0 UPs" 5 2)" = "Renamed" ] || fail "the grid does not show the new name"
double_click_cell 6 7
type_into_popup "133"
[ "$($a11y cell "File 0 UPs" 6 7)" = "133" ] || fail "the grid does not show the new tempo"

# The edit panel over File 1's half, then closed again.
at=$($a11y find "Expand UP for Editing") || fail "no panel button"
read -r x y w h <<<"$at"
xdotool mousemove $((x + w / 2)) $((y + h / 2)) click 1
sleep 0.5
import -window root "PNG24:$out/edit-panel-file0.png"
[ "$($a11y table "Part table")" = "16 13" ] || fail "the part table is not 16 by 13"
[ "$($a11y table "Tone table")" = "8 17" ] || fail "the tone table is not 8 by 17"
at=$($a11y find "Close UP Editing") || fail "no button to close the panel"
read -r x y w h <<<"$at"
xdotool mousemove $((x + w / 2)) $((y + h / 2)) click 1
sleep 0.3
# A double-click on the ID column opens the panel for File 1, over File 0's half.
double_click_cell 3 0 "File 1 UPs"
import -window root "PNG24:$out/edit-panel-file1.png"
at=$($a11y find "Close UP Editing") || fail "no button to close the panel of File 1"
read -r x y w h <<<"$at"
xdotool mousemove $((x + w / 2)) $((y + h / 2)) click 1
sleep 0.3

at=$($a11y find "Save" "push button") || fail "no Save button"
read -r x y w h <<<"$at"
xdotool mousemove $((x + w / 2)) $((y + h / 2)) click 1
sleep 0.5

/usr/bin/python3 - "$work/original.UPS" "$files/Gig.UPS" <<'PY' || fail "the saved file differs from the original plus the two edits"
import sys
original = bytearray(open(sys.argv[1], "rb").read())
saved = open(sys.argv[2], "rb").read()
record = lambda up: 1942 + 456 * up
original[record(5) + 356:record(5) + 364] = b"Renamed "
original[record(6) + 238] = 133
sys.exit(0 if bytes(original) == saved else 1)
PY

send_keys "$main" alt+x
wait_for_exit
echo "screenshots: $out/popup-over-cell.png $out/edit-panel-file0.png $out/edit-panel-file1.png"
echo "PASS"
