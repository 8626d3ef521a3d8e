# SPDX-License-Identifier: GPL-3.0-or-later
# Shared set-up of the end-to-end journeys: a private X server and settings folder, starting
# the real program, waiting for its windows, keys, exit and the settings it wrote.
# Source it after setting `program` (the tarnwick executable) and `out` (a folder for pictures).
# Every function fails the journey with a message; a missing tool skips it, or fails it under CI.

mkdir -p "$out"
source "$(dirname "${BASH_SOURCE[0]}")/../support/needs.sh"
need_tools Xvfb xdotool import

work=$(mktemp -d)
xvfb_pid=""
app_pid=""
jack_pid=""
peer_pids=()
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  # The server goes before the journey's own JACK peers: a synchronous server stalls for many
  # seconds over a client killed in the middle of a cycle, while a peer whose server has gone
  # ends at once.
  stop_jack_server
  for pid in "${peer_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  if declare -F journey_cleanup >/dev/null; then journey_cleanup || true; fi
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  [ -n "${a11y_pid:-}" ] && kill "$a11y_pid" 2>/dev/null || true
  [ -n "${DBUS_SESSION_BUS_PID:-}" ] && kill "$DBUS_SESSION_BUS_PID" 2>/dev/null || true
  [ -n "${KEEP_WORK:-}" ] || rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Runs a command every 0.1 s until it succeeds, 5 s at most; fails (1) if it never does.
poll_until() {
  for _ in $(seq 50); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

# A display of our own: Xvfb writes its number once it accepts clients. -noreset keeps it
# from restarting when the last program leaves, which would refuse the next start.
Xvfb -displayfd 3 -screen 0 1600x1000x24 -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
poll_until test -s "$work/display" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(head -n1 "$work/display")"

export XDG_CONFIG_HOME="$work/config"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
settings="$XDG_CONFIG_HOME/Tarnwick/Tarnwick.ini"
unset QT_QPA_PLATFORM TARNWICK_DATA_DIR

start_program() {  # [FILE0 [FILE1]]
  TARNWICK_STARTUP_TIMING=1 "$program" "$@" >>"$work/program.log" 2>&1 &
  app_pid=$!
}

# A private JACK server (dummy driver) of the name in JACK_DEFAULT_SERVER, stopped with the
# journey. Synchronous: on a busy machine a client that overruns a cycle loses no MIDI.
start_jack_server() {
  jackd --no-realtime --sync --timeout 2000 -d dummy -r 48000 -p 256 </dev/null >"$work/jackd.log" 2>&1 &
  jack_pid=$!
  jack_wait -w -t 10 >/dev/null || fail "the JACK server did not start: $(cat "$work/jackd.log")"
}

# The next run of a journey starts a server of the same name: this one must have gone first.
stop_jack_server() {
  [ -n "$jack_pid" ] && kill "$jack_pid" 2>/dev/null && wait "$jack_pid" 2>/dev/null || true
  jack_pid=""
}

# A jack_midi_dump peer named NAME on the journey's server, writing what it hears to FILE line by
# line, and stopped with the journey. Needs $upstool; leaves the number the program lists the
# peer's port under among its outputs in $device.
start_dump_peer() {  # NAME FILE
  stdbuf -oL jack_midi_dump "$1" >"$2" 2>&1 &
  peer_pids+=($!)
  poll_until dump_peer_listed "$1" || fail "the peer's port is not listed: $("$upstool" midi-ports)"
}
dump_peer_listed() {  # NAME
  device=$("$upstool" midi-ports | awk -F'[ :]+' -v port="$1:input" \
    'index($0, "out ") == 1 && substr($0, length($0) - length(port) + 1) == port { print $2; exit }')
  [ -n "$device" ]
}

# Starts the program on a first run and closes the Midi Setup it opens with; leaves the main
# window's id in $main.
start_past_midi_setup() {  # [FILE0 [FILE1]]
  start_program "$@"
  wait_for_window "Midi Setup"
  send_keys "$window" Escape
  wait_for_window "Tarnwick - User Prog"
  main=$window
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

# Waits until the accessibility bus reads EXPECTED through an a11y.py command (10 s at most), so
# that a journey waits for values rather than for time:  wait_for "Renamed" cell "File 0 UPs" 5 2
wait_for() {  # EXPECTED A11Y-COMMAND ARGS...
  /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/a11y.py" wait "$@" || fail "${*:2} never read \"$1\""
}

expect_setting() {
  local value
  value=$(setting "$1" "$2")
  [ "$value" = "$3" ] || fail "setting $1/$2 is \"$value\", expected \"$3\""
}

# The accessibility bus, so that the journey can read windows, tables and cells the way a screen
# reader does (tests/e2e/a11y.py). Call before start_program; skips the journey when the bus
# cannot be had.
start_accessibility_bus() {
  command -v dbus-launch >/dev/null && [ -x /usr/libexec/at-spi-bus-launcher ] \
    && /usr/bin/python3 -c 'import pyatspi' 2>/dev/null || missing_need "no accessibility bus"
  eval "$(dbus-launch --sh-syntax)"
  /usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/at-spi.log" 2>&1 &
  a11y_pid=$!
  export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 NO_AT_BRIDGE=0
  sleep 0.5
}
