#!/usr/bin/env bash
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
mkdir -p "$out"

for tool in Xvfb xdotool import; do
  if ! command -v "$tool" >/dev/null; then
    echo "skipped: $tool is not installed"
    exit 77
  fi
done

work=$(mktemp -d)
xvfb_pid=""
app_pid=""
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# A display of our own: Xvfb writes its number once it accepts clients. -noreset keeps it
# from restarting when the last program leaves, which would refuse the next start.
Xvfb -displayfd 3 -screen 0 1600x1000x24 -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 50); do
  [ -s "$work/display" ] && break
  sleep 0.1
done
[ -s "$work/display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(head -n1 "$work/display")"

export XDG_CONFIG_HOME="$work/config"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
settings="$XDG_CONFIG_HOME/Tarnwick/Tarnwick.ini"
unset QT_QPA_PLATFORM TARNWICK_DATA_DIR

start_program() {
  TARNWICK_STARTUP_TIMING=1 "$program" >>"$work/program.log" 2>&1 &
  app_pid=$!
}

# Waits for a top-level window whose title matches exactly; leaves its id in $window.
wait_for_window() {
  local title=$1
  window=""
  for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -n1 || true)
    [ -n "$window" ] && return 0
    if ! kill -0 "$app_pid" 2>/dev/null; then
      local status=0
      wait "$app_pid" || status=$?
      app_pid=""
      fail "the program ended (status $status) while waiting for \"$title\": $(cat "$work/program.log")"
    fi
    sleep 0.1
  done
  fail "no window \"$title\" appeared"
}

# Sends keys to a window: there is no window manager, so the focus is set directly.
send_keys() {
  local id=$1
  shift
  xdotool windowfocus --sync "$id"
  xdotool key --clearmodifiers "$@"
}

wait_for_exit() {
  for _ in $(seq 100); do
    kill -0 "$app_pid" 2>/dev/null || { wait "$app_pid" || fail "the program exited with an error"; app_pid=""; return 0; }
    sleep 0.1
  done
  fail "the program did not end"
}

setting() {  # section key
  awk -v section="[$1]" -v key="$2" '
    /^\[/ { inside = ($0 == section) }
    inside && index($0, key "=") == 1 { print substr($0, length(key) + 2) }' "$settings"
}

expect_setting() {
  local value
  value=$(setting "$1" "$2")
  [ "$value" = "$3" ] || fail "setting $1/$2 is \"$value\", expected \"$3\""
}

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
