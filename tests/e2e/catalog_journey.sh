#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A player looks for a UP among 50 files: Ctrl+F opens the Find UPs window, which scans the
# folder (one file changed since the last scan), the name is typed key by key, and a double-click
# on the one hit opens its file in File 0 with that UP selected.
# Usage: catalog_journey.sh <tarnwick> <tarnwick-demo-files> <upstool> <folder for pictures>
set -euo pipefail

program=$1
demo_files=$2
upstool=$3
out=$4

source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"
a11y="/usr/bin/python3 $(dirname "${BASH_SOURCE[0]}")/a11y.py"

files="$work/files"
export XDG_DATA_HOME="$work/data"
for disk in $(seq 0 24); do
  mkdir -p "$files/disk$disk"
  "$demo_files" "$files/disk$disk" 40
done
[ "$(find "$files" -name '*.UPS' | wc -l)" = 50 ] || fail "the demo files were not made"
"$upstool" find nothing --in "$files" >/dev/null || fail "upstool could not store the folder"

# After that scan, UP 7 of one library gets a name no other UP has.
/usr/bin/python3 - "$files/disk17/Library.UPS" <<'PY'
import os, sys
path = sys.argv[1]
data = bytearray(open(path, "rb").read())
at = 1942 + 456 * 7 + 356
data[at:at + 8] = b"Zanzibar"
open(path, "wb").write(data)
stamp = os.stat(path).st_mtime + 10
os.utime(path, (stamp, stamp))
PY

mkdir -p "$XDG_CONFIG_HOME/Tarnwick"
cat >"$settings" <<INI
[Files]
UPSFilePathName1=$files/disk0/Gig.UPS
UPSFilePathName2=$files/disk1/Library.UPS

[Main]
ActiveMenu=0
INI

start_accessibility_bus
start_past_midi_setup
sleep 0.5

read -r x y w h < <($a11y find-all "Find UPs" "push button" | head -n1) || fail "no Find UPs button"
xdotool mousemove $((x + w / 2)) $((y + h / 2)) click 1  # File 0's, the leftmost
wait_for_window "Find UPs - File 0"
find_window=$window
xdotool windowmove "$find_window" 760 260
send_keys "$find_window" z a n z i b
hits=""
for _ in $(seq 100); do
  hits=$($a11y table "Found UPs" | cut -d' ' -f1)
  [ "$hits" = 1 ] && break
  sleep 0.2
done
[ "$hits" = 1 ] || fail "the search found $hits UPs, expected the one renamed after the last scan"
[ "$($a11y cell "Found UPs" 0 3)" = "Zanzibar" ] || fail "the hit is not the renamed UP"
import -window root "PNG24:$out/find-ups-journey.png"

read -r x y < <($a11y cell-center "Found UPs" 0 3)
xdotool mousemove "$x" "$y" click 1 sleep 0.2 click --repeat 2 --delay 80 1
sleep 1
[ "$($a11y cell "File 0 UPs" 7 2)" = "Zanzibar" ] || fail "File 0 does not show the file of the hit"
# File 0's read-out comes first of the two boxes of that name.
[ "$($a11y text "Active Selected ID")" = 7 ] || fail "UP 7 is not the selected UP of File 0"
[ "$($a11y cell "File 1 UPs" 7 2)" != "Zanzibar" ] || fail "the hit opened in the wrong pane"
echo "ok: the hit opened in File 0 with UP 7 selected"
