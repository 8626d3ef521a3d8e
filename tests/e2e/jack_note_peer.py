#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A JACK peer that plays a chord into Tarnwick: every quarter second it sends note-ons for the
chord, or note-offs once the file named by the second argument exists.
Usage: jack_note_peer.py CLIENT_NAME OFF_FLAG_FILE"""
import os
import sys
import time

import jack

client = jack.Client(sys.argv[1], no_start_server=True)
port = client.midi_outports.register("notes")
off_flag = sys.argv[2]
# Note, velocity, channel: a chord over two channels with soft to loud velocities.
CHORD = [(48, 40, 0), (60, 127, 0), (64, 100, 3), (67, 80, 3), (72, 60, 9)]
last = [0.0]


@client.set_process_callback
def process(frames):
    port.clear_buffer()
    now = time.monotonic()
    if now - last[0] < 0.25:
        return
    last[0] = now
    release = os.path.exists(off_flag)
    for note, velocity, channel in CHORD:
        status = (0x80 if release else 0x90) | channel
        port.write_midi_event(0, bytes([status, note, 0 if release else velocity]))


with client:
    print("ready", flush=True)
    while True:
        time.sleep(0.1)
