# SPDX-License-Identifier: GPL-3.0-or-later
# The Disk Link view as a player uses it: two sets open, one entry renamed through the name
# pop-up, three names copied from File 0 to File 1, both files saved at exit when asked, and
# the saved files compared byte for byte with the originals plus exactly those header bytes.
set -euo pipefail

program=$1
out=$2
here="$(dirname "${BASH_SOURCE[0]}")"
source "$here/e2e_lib.sh"
start_accessibility_bus
a11y() { /usr/bin/python3 "$here/a11y.py" "$@"; }

# Two full sets with plain names in their Disk Link tables.
/usr/bin/python3 - "$work" <<'PY'
import random, sys
for side in (0, 1):
    rng = random.Random(side + 7)
    header = bytearray(rng.getrandbits(8) for _ in range(1942))
    header[0:8] = b"USPrGMIL"
    header[58:60] = (192).to_bytes(2, "big")
    for i in range(111):
        header[610 + 12 * i:618 + 12 * i] = f"{'AB'[side]}-{i:<6}".encode()[:8]
    records = bytes(rng.getrandbits(8) for _ in range(456 * 192))
    for name in (f"orig{side}.UPS", f"set{side}.UPS"):
        with open(f"{sys.argv[1]}/{name}", "wb") as f:
            f.write(header + records)
PY

# A first start writes the settings; the journey then opens the two sets in the Disk Link view.
start_past_midi_setup
send_keys "$main" alt+x
wait_for_exit
/usr/bin/python3 - "$settings" "$work" <<'PY'
import sys
path, work = sys.argv[1], sys.argv[2]
wanted = {"UPSFilePathName1": f"{work}/set0.UPS", "UPSFilePathName2": f"{work}/set1.UPS", "ActiveMenu": "1"}
lines = [l for l in open(path).read().splitlines() if l.split("=")[0] not in wanted]
out, section = [], None
for line in lines:
    out.append(line)
    if line in ("[Files]", "[Main]"):
        keys = ("UPSFilePathName1", "UPSFilePathName2") if line == "[Files]" else ("ActiveMenu",)
        out += [f"{k}={wanted[k]}" for k in keys]
if "[Files]" not in lines:
    out += ["[Files]"] + [f"{k}={wanted[k]}" for k in ("UPSFilePathName1", "UPSFilePathName2")]
open(path, "w").write("\n".join(out) + "\n")
PY

start_program
wait_for_window "Tarnwick - Disk Link.*"
main=$window
[ "$(a11y table 'File 0 Disk Links')" = "111 3" ] || fail "File 0's list is not 111 rows by 3 columns"
[ "$(a11y cell 'File 1 Disk Links' 110 1)" = "D87" ] || fail "entry 110 does not show D87"

click_cell() {  # table row col [xdotool modifier]
  local xy
  xy=$(a11y cell-center "$1" "$2" "$3")
  xdotool mousemove $xy
  if [ -n "${4:-}" ]; then xdotool keydown "$4" click 1 keyup "$4"; else xdotool click 1; fi
}

# Rename entry 4 of File 0 (C35) through the name pop-up.
xy=$(a11y cell-center 'File 0 Disk Links' 4 2)
xdotool mousemove $xy click --repeat 2 --delay 120 1
sleep 0.5
xdotool key --clearmodifiers End BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace
xdotool type --delay 30 "Renamed"
sleep 0.3
import -window root "PNG24:$out/disk-link-popup.png"
xdotool key --clearmodifiers Return
sleep 0.3
[ "$(a11y cell 'File 0 Disk Links' 4 2)" = "Renamed " ] || fail "the rename did not reach the grid"
# The caption names the files and marks the changed one, as the User Program view does.
wait_for_window 'Tarnwick - Disk Link - [^|]*[*] [|] [^*]*'

# Copy the names of entries 10..12 of File 0 onto entries 20..22 of File 1.
click_cell 'File 0 Disk Links' 10 1
click_cell 'File 0 Disk Links' 12 1 shift
click_cell 'File 1 Disk Links' 20 1
click_cell 'File 1 Disk Links' 22 1 shift
copy_xy=$(a11y find "Copy Selected DLs from File 0 to File 1 Selection" "push button" | awk '{print $1 + $3 / 2, $2 + $4 / 2}')
xdotool mousemove $copy_xy click 1
sleep 0.3
[ "$(a11y cell 'File 1 Disk Links' 21 2)" = "A-11    " ] || fail "the copy did not reach File 1"
import -window root "PNG24:$out/disk-link-view.png"
# Every control a player can reach has a name, and so has the place the focus parks.
unnamed=$(a11y unnamed || true)
[ -z "$unnamed" ] || fail "controls without an accessible name: $unnamed"

# Exit asks about each changed file; Enter saves it.
send_keys "$main" alt+x
for file in 0 1; do
  wait_for_window "Unsaved Changes"
  send_keys "$window" Return
  sleep 0.3
done
wait_for_exit

/usr/bin/python3 - "$work" <<'PY' || fail "the saved files differ from the expected bytes"
import sys
work = sys.argv[1]
def name_at(i): return 610 + 12 * i
expected = [bytearray(open(f"{work}/orig{s}.UPS", "rb").read()) for s in (0, 1)]
expected[0][name_at(4):name_at(4) + 8] = b"Renamed "
for k in range(3):
    expected[1][name_at(20 + k):name_at(20 + k) + 8] = f"A-{10 + k:<6}".encode()
for s in (0, 1):
    saved = open(f"{work}/set{s}.UPS", "rb").read()
    if saved != bytes(expected[s]):
        diff = [i for i in range(min(len(saved), len(expected[s]))) if saved[i] != expected[s][i]]
        sys.exit(f"file {s}: {len(saved)} bytes, differences at {diff[:10]}")
PY
echo "screenshots: $out/disk-link-view.png $out/disk-link-popup.png"
echo "PASS"
