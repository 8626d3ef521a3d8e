#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts or stops the private JACK server of the MIDI tests (dummy driver, no sound hardware).
#   jack_server.sh start STATEDIR   skipped without jackd, failed under CI
#   jack_server.sh stop STATEDIR
# The server name comes from JACK_DEFAULT_SERVER, so that it meets no other server.
set -u
action=$1
state=$2
pidfile=$state/jackd.pid
. "$(dirname "$0")/../../support/needs.sh"

stop_server() {
  [ -f "$pidfile" ] || return 0
  pid=$(cat "$pidfile")
  if kill -0 "$pid" 2>/dev/null; then
    kill "$pid" 2>/dev/null
    waited=0
    while kill -0 "$pid" 2>/dev/null && [ $waited -lt 50 ]; do
      sleep 0.1
      waited=$((waited + 1))
    done
    kill -0 "$pid" 2>/dev/null && kill -9 "$pid" 2>/dev/null
  fi
  rm -f "$pidfile"
}

case $action in
  start)
    need_tools jackd jack_wait
    mkdir -p "$state"
    stop_server  # left over from a run that was killed
    # Synchronous mode: the server waits for every client to finish its cycle. In the default
    # asynchronous mode a client that overruns a cycle on a busy machine loses that cycle's MIDI.
    jackd --no-realtime --sync --timeout 2000 -d dummy -r 48000 -p 256 </dev/null >"$state/jackd.log" 2>&1 &
    echo $! >"$pidfile"
    if ! jack_wait -w -t 10 >/dev/null 2>&1; then
      echo "the JACK server '${JACK_DEFAULT_SERVER:-default}' did not start; its log:"
      cat "$state/jackd.log"
      stop_server
      exit 1
    fi
    echo "JACK server '${JACK_DEFAULT_SERVER:-default}' runs as process $(cat "$pidfile")"
    ;;
  stop)
    stop_server
    echo "JACK server '${JACK_DEFAULT_SERVER:-default}' stopped"
    ;;
  *)
    echo "usage: $0 start|stop STATEDIR" >&2
    exit 2
    ;;
esac
