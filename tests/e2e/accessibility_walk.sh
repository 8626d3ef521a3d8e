#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Walks the real program the way a screen reader user does: with two demo files open, it visits
# the MIDI setup dialog, each of the views, the edit panel, the Find UPs window and the About box, and in each lists every
# showing control that has no accessible name (the focused one whatever its size, so the place
# the focus parks after a click is checked too) and every table column without a header title.
# The journey fails listing all of them at the end.
# Usage: accessibility_walk.sh <tarnwick executable> <tarnwick-demo-files executable> <folder>
set -euo pipefail

program=$1
demo_files=$2
out=$3

source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"
a11y="/usr/bin/python3 $(dirname "${BASH_SOURCE[0]}")/a11y.py"

start_accessibility_bus
mkdir -p "$work/demo"
"$demo_files" "$work/demo" 500 || fail "the demo files could not be written"

findings="$work/findings"
: >"$findings"

# Lists what a screen reader could not name in what is showing now, under the heading $1. A
# name given as $2 must be showing: proof that the walk reads the window at all.
check_place() {
  local place=$1 expected=${2:-} unnamed headerless
  sleep 0.5  # let the accessibility bus catch up with the window just shown
  if [ -n "$expected" ]; then
    $a11y find "$expected" >/dev/null || fail "nothing named \"$expected\" is showing in $place"
  fi
  unnamed=$($a11y unnamed) || fail "the accessibility bus could not be read in $place"
  headerless=$($a11y headerless) || fail "the tables could not be read in $place"
  if [ -n "$unnamed$headerless" ]; then
    {
      echo "$place:"
      [ -n "$unnamed" ] && sed 's/^/  no name: /' <<<"$unnamed"
      [ -n "$headerless" ] && sed 's/^/  /' <<<"$headerless"
    } >>"$findings"
  fi
  echo "walked: $place"
}

# Clicks the first showing push button named $1, as a hand would (the picture buttons, headers and
# counters then park the focus on their window's focus sink, which must be named too).
click_button() {
  local x y w h
  read -r x y w h < <($a11y find "$1" "push button") || fail "no button \"$1\" to click"
  xdotool mousemove --sync $((x + w / 2)) $((y + h / 2)) click 1
}

# Switches the main window to a view by its menu key and waits for the caption to say so.
visit_view() {
  local key=$1 caption=$2 place=$3
  send_keys "$main" "$key"
  wait_for_window "$caption"
  check_place "$place"
}

# --- First start: the MIDI setup dialog comes up before any view --------------------------
start_program "$work/demo/Gig.UPS" "$work/demo/Library.UPS"
wait_for_window "Midi Setup"
check_place "the MIDI setup dialog (first start)" "Midi In Device:"
send_keys "$window" Escape
wait_for_window "Tarnwick - User Prog.*"
main=$window

# --- The four views -------------------------------------------------------------------------
check_place "the UP file window" "Clear Filter"
click_button "Go to End"
check_place "the UP file window, focus parked by Home/End" "User Program view"
visit_view alt+d "Tarnwick - Disk Link.*" "the Disk Link view"
click_button "Go to End"
check_place "the Disk Link view, focus parked by Home/End" "Disk Link view"
visit_view alt+t "Tarnwick - Tone" "the Tone view"
visit_view alt+k "Tarnwick - Keyboard" "the Keyboard view"
visit_view alt+s "Tarnwick - Stage.*" "the Stage view"
visit_view alt+f "Tarnwick - User Prog.*" "the UP file window (again)"
send_keys "$main" ctrl+e
check_place "the UP edit panel" "Part table"
send_keys "$main" ctrl+e
send_keys "$main" ctrl+f
wait_for_window "Find UPs - File .*"
check_place "the Find UPs window" "Found UPs"
send_keys "$window" Escape

# --- The dialogs from the menu ------------------------------------------------------------
send_keys "$main" alt+m
wait_for_window "Midi Setup"
check_place "the MIDI setup dialog" "Midi Out Device:"
send_keys "$window" Escape
send_keys "$main" alt+a
wait_for_window "About"
check_place "the About box" "OK"
send_keys "$window" Escape

send_keys "$main" alt+x
wait_for_exit
# What the first run wrote: MIDI closed as the dialog was cancelled, the view it ended in.
expect_setting Midi MidiInStatus 0
expect_setting Midi MidiOutStatus 0
expect_setting Midi Basic_Channel_TX 12
expect_setting Main ActiveMenu 0

if [ -s "$findings" ]; then
  cat "$findings" >&2
  fail "controls without an accessible name (see above)"
fi
echo "PASS"
