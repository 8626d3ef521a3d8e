#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# scripts/run on a machine without a screen prints how to start Tarnwick on a virtual screen and
# how to take a screenshot of it. This journey runs both commands exactly as printed: the program
# must come up and the screenshot must show it.
#   no_screen_commands.sh TARNWICK OUTDIR REPOSITORY
set -euo pipefail

program=$(realpath "$1")
out=$2
repo=$3
mkdir -p "$out"

source "$(dirname "${BASH_SOURCE[0]}")/../support/needs.sh"
need_tools xvfb-run Xvfb xauth import identify

work=$(mktemp -d)
runner_pid=""
cleanup() {
  if [ -n "$runner_pid" ]; then
    # The program runs under xvfb-run, which stops its Xvfb once the program has ended.
    for child in $(pgrep -P "$runner_pid" -x tarnwick || true); do kill "$child" 2>/dev/null || true; done
    for _ in $(seq 50); do
      kill -0 "$runner_pid" 2>/dev/null || break
      sleep 0.1
    done
    for child in $(pgrep -P "$runner_pid" || true); do kill "$child" 2>/dev/null || true; done
    kill "$runner_pid" 2>/dev/null || true
    wait "$runner_pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM TARNWICK_DATA_DIR
export XDG_CONFIG_HOME="$work/config"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

hint=$(TMPDIR="$work" "$repo/scripts/no-screen-help" "$program")
# The commands are the lines indented by two blanks.
mapfile -t commands < <(printf '%s\n' "$hint" | sed -n 's/^  \([^ ].*\)$/\1/p')
[ "${#commands[@]}" -eq 2 ] || fail "expected two commands in:$hint"
start=${commands[0]}
shot=${commands[1]}
case $start in *'&') ;; *) fail "the start command does not run in the background: $start" ;; esac

cd "$work"
eval "$start"
runner_pid=$!

# The screenshot command, as printed, until it shows more than the empty black screen.
for _ in $(seq 150); do
  if eval "$shot" 2>"$work/import.log" && [ "$(identify -format '%k' tarnwick.png)" -gt 1 ]; then
    cp tarnwick.png "$out/no_screen_commands.png"
    echo "the printed commands started Tarnwick and took a screenshot of it"
    exit 0
  fi
  kill -0 "$runner_pid" 2>/dev/null || fail "xvfb-run ended early"
  sleep 0.2
done
fail "the printed screenshot command never showed the program: $(cat "$work/import.log")"
