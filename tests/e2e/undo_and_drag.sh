#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A player changes a set and takes changes back: a UP of Gig.UPS is renamed, the rename undone
# and redone, another UP's tempo set through the number pop-up, a UP deleted and the delete
# undone; then two UPs are dragged with the mouse from Gig.UPS into Library.UPS before its UP 4.
# Both files are saved and must equal the originals with exactly the rename, the tempo and the
# two inserted UPs. Screenshots show the grid's context menu and
# the drop.
# Usage: undo_and_drag.sh <tarnwick executable> <tarnwick-demo-files executable> <folder for pictures>
set -euo pipefail

program=$1
demo_files=$2
out=$3

source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"
a11y="/usr/bin/python3 $(dirname "${BASH_SOURCE[0]}")/a11y.py"

files="$work/files"
mkdir -p "$files" "$XDG_CONFIG_HOME/Tarnwick"
"$demo_files" "$files" 40
cp "$files/Gig.UPS" "$work/gig.UPS"
cp "$files/Library.UPS" "$work/library.UPS"
cat >"$settings" <<INI
[Files]
UPSFilePathName1=$files/Gig.UPS
UPSFilePathName2=$files/Library.UPS

[Main]
ActiveMenu=0
INI

start_accessibility_bus
start_past_midi_setup
wait_for 192 rows "File 0 UPs"

click_cell() {  # grid row col [modifier]
  local at
  at=$($a11y cell-center "$1" "$2" "$3") || fail "no cell $2,$3 in $1"
  # shellcheck disable=SC2086
  xdotool mousemove $at
  if [ -n "${4:-}" ]; then xdotool keydown "$4" click 1 keyup "$4"; else xdotool click 1; fi
}

click_named() {  # name [which: 1 for the leftmost, 2 for the next]
  local x y w h
  read -r x y w h < <($a11y find-all "$1" "push button" | sed -n "${2:-1}p") || fail "no button \"$1\""
  [ -n "${h:-}" ] || fail "no button \"$1\" number ${2:-1}"
  xdotool mousemove $((x + w / 2)) $((y + h / 2)) click 1
}

rows() { $a11y table "$1" | cut -d' ' -f1; }
name() { $a11y cell "$1" "$2" 2; }
keys() { xdotool key --clearmodifiers "$@"; }
main_keys() { send_keys "$main" "$@"; }  # no window manager: the focus is set first

gig_rows=$(rows "File 0 UPs")
library_rows=$(rows "File 1 UPs")
name5=$(name "File 0 UPs" 5)
name8=$(name "File 0 UPs" 8)

# Rename UP 5 through the name pop-up, undo it and redo it.
at=$($a11y cell-center "File 0 UPs" 5 2)
# shellcheck disable=SC2086
xdotool mousemove $at click 1 sleep 0.2 click --repeat 2 --delay 80 1
wait_for "$name5" text Name text  # the pop-up is open over the cell
keys ctrl+a
xdotool type --delay 30 "Renamed"
keys Return
wait_for "Renamed" cell "File 0 UPs" 5 2
main_keys ctrl+z
wait_for "$name5" cell "File 0 UPs" 5 2
main_keys ctrl+shift+z
wait_for "Renamed" cell "File 0 UPs" 5 2

# The tempo of UP 6 through the number pop-up.
at=$($a11y cell-center "File 0 UPs" 6 7)
# shellcheck disable=SC2086
xdotool mousemove $at click 1 sleep 0.2 click --repeat 2 --delay 80 1
wait_for "$($a11y cell "File 0 UPs" 6 7)" text Tempo text  # the pop-up is open over the cell
keys ctrl+a
xdotool type --delay 30 "133"
keys Return
wait_for 133 cell "File 0 UPs" 6 7

# Delete UP 8, then take the delete back; the grid's menu names it.
click_cell "File 0 UPs" 8 2
click_named "Delete selected UPs from File 0"
wait_for $((gig_rows - 1)) rows "File 0 UPs"
at=$($a11y cell-center "File 0 UPs" 6 3)
# shellcheck disable=SC2086
xdotool mousemove $at click 3
sleep 0.7
import -window root "PNG24:$out/grid-context-menu.png"
keys Escape
main_keys ctrl+z
wait_for "$gig_rows" rows "File 0 UPs"
wait_for "$name8" cell "File 0 UPs" 8 2

# Select UPs 2 and 3 and drag them onto UP 4 of the library.
click_cell "File 0 UPs" 2 2
click_cell "File 0 UPs" 3 2 shift
read -r sx sy < <($a11y cell-center "File 0 UPs" 2 2)
read -r tx ty < <($a11y cell-center "File 1 UPs" 4 2)
read -r gx gy gw gh < <($a11y find "File 0 UPs" table)
drag_to_target() {
  xdotool mousemove "$sx" "$sy" mousedown 1
  sleep 0.3
  xdotool mousemove $((gx + gw + 15)) "$sy"  # moving past the drag distance with the button held starts the drag
  sleep 0.3
  xdotool mousemove $((tx - 10)) "$ty"
  sleep 0.3
  xdotool mousemove "$tx" "$ty"
  sleep 0.5
}
# Escape cancels a drag: nothing is dropped.
drag_to_target
xdotool key Escape
sleep 0.3
xdotool mouseup 1
sleep 0.5  # a drop would land with the release: nothing to wait for when nothing may change
[ "$(rows "File 1 UPs")" = "$library_rows" ] || fail "Escape did not cancel the drag"
drag_to_target
import -window root "PNG24:$out/drag-over-library.png"
xdotool mouseup 1
wait_for $((library_rows + 2)) rows "File 1 UPs"
wait_for "$(name "File 0 UPs" 2)" cell "File 1 UPs" 4 2

click_named "Save" 1
click_named "Save" 2

/usr/bin/python3 - "$work/gig.UPS" "$files/Gig.UPS" "$work/library.UPS" "$files/Library.UPS" <<'PY' ||
import sys
gig = bytearray(open(sys.argv[1], "rb").read())
library = bytearray(open(sys.argv[3], "rb").read())
header, size = 1942, 456
record = lambda up: header + size * up
dragged = bytes(gig[record(2):record(4)])  # taken before the rename (UP 5 is not among them)
gig[record(5) + 356:record(5) + 364] = b"Renamed "
gig[record(6) + 238] = 133
library[record(4):record(4)] = dragged
count = (len(library) - header) // size
library[58:60] = bytes([count // 256, count % 256])
library[0:8] = b"USPrGMIL" if count == 192 else b"*SPrGMIL"
ok = bytes(gig) == open(sys.argv[2], "rb").read() and bytes(library) == open(sys.argv[4], "rb").read()
sys.exit(0 if ok else 1)
PY
  fail "the saved files differ from the originals plus the rename and the two dropped UPs"

send_keys "$main" alt+x
wait_for_exit
echo "screenshots: $out/grid-context-menu.png $out/drag-over-library.png"
echo "PASS"
