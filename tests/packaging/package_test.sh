#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package with cpack, unpacks it and checks the tree a player would install:
#   - the control data: installs under /usr, dependencies computed from the binaries;
#   - the files: programs, data, desktop entry, metainfo, icons, file type, man pages, licence;
#   - the file type: *.UPS and *.ups map to Tarnwick's type, which the desktop entry opens;
#   - the man pages format without a warning;
#   - upstool and tarnwick say their version; upstool checks the installed template;
#   - tarnwick starts under Xvfb with its installed data (no data error), opens the file named
#     on its command line and keeps it in its settings.
# Usage: package_test.sh <build folder> <folder for results> <application id> <version>
set -euo pipefail

build=$1
out=$2
app_id=$3
version=$4

source "$(dirname "${BASH_SOURCE[0]}")/../support/needs.sh"
need_tools cpack dpkg-deb dpkg-shlibdeps update-mime-database man

root_work=$(mktemp -d)
journey_cleanup() { rm -rf "$root_work"; }
trap journey_cleanup EXIT  # until the shared set-up takes over the clean-up

# The package. ----------------------------------------------------------------------------------
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$root_work/pkg" >"$root_work/cpack.log" 2>&1 \
  || { cat "$root_work/cpack.log"; echo "FAIL: cpack"; exit 1; }
deb=$(ls "$root_work"/pkg/tarnwick_*.deb)
echo "package: $(basename "$deb")"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = tarnwick ] || { echo "FAIL: package name $(field Package)"; exit 1; }
[ "$(field Version)" = "$version" ] || { echo "FAIL: version $(field Version), expected $version"; exit 1; }
depends=$(field Depends)
echo "Depends: $depends"
for library in libqt6widgets6 libqt6svg6 libqt6sql6-sqlite librtmidi libc6 libstdc++6; do
  grep -q "$library" <<<"$depends" || { echo "FAIL: Depends lacks $library"; exit 1; }
done

# Clean description lines (no list separators), and no placeholder address anywhere.
if dpkg-deb -I "$deb" | grep -E '^ +;'; then echo "FAIL: the description carries \";\" lines"; exit 1; fi

root="$root_work/root"
dpkg-deb -x "$deb" "$root"
if dpkg-deb -I "$deb" | grep -q 'example\.org' || grep -rq 'example\.org' "$root"; then
  echo "FAIL: a placeholder address"; exit 1
fi
(cd "$root" && find . -type f | sort) >"$root_work/files"
expected=(
  usr/bin/tarnwick usr/bin/upstool
  usr/share/tarnwick/ToneList.dat usr/share/tarnwick/DrumSetList.dat
  usr/share/tarnwick/StyleList.dat usr/share/tarnwick/EFXList.dat
  usr/share/tarnwick/DefaultNewFile.upt
  "usr/share/applications/$app_id.desktop" "usr/share/metainfo/$app_id.metainfo.xml"
  "usr/share/mime/packages/$app_id.xml" "usr/share/icons/hicolor/scalable/apps/$app_id.svg"
  "usr/share/icons/hicolor/48x48/apps/$app_id.png" "usr/share/icons/hicolor/256x256/apps/$app_id.png"
  usr/share/man/man1/tarnwick.1.gz usr/share/man/man1/upstool.1.gz
  usr/share/doc/tarnwick/copyright usr/share/doc/tarnwick/LICENSE
)
for file in "${expected[@]}"; do
  grep -qxF "./$file" "$root_work/files" || { echo "FAIL: the package lacks /$file"; exit 1; }
done
if grep -v '^\./usr/' "$root_work/files"; then echo "FAIL: files outside /usr"; exit 1; fi
grep -q 'GNU GENERAL PUBLIC LICENSE' "$root/usr/share/doc/tarnwick/LICENSE" || { echo "FAIL: licence text"; exit 1; }

# The file type, as the desktop's database would read it. ------------------------------------------
mime="$root_work/share/mime"
mkdir -p "$mime/packages"
cp "$root/usr/share/mime/packages/$app_id.xml" "$mime/packages/"
XDG_DATA_DIRS="$root_work/share" update-mime-database "$mime" 2>&1 | tee "$root_work/mime.log"
[ -s "$root_work/mime.log" ] && { echo "FAIL: update-mime-database complained"; exit 1; }
mime_type=$(sed -n 's/.*mime-type type="\([^"]*\)".*/\1/p' "$root/usr/share/mime/packages/$app_id.xml")
# Without the "cs" flag the pattern matches *.UPS and *.ups alike.
grep -qxE "[0-9]+:$mime_type:\*\.ups" "$mime/globs2" || { echo "FAIL: *.ups and *.UPS are not $mime_type"; exit 1; }
grep -qx "MimeType=$mime_type;" "$root/usr/share/applications/$app_id.desktop" \
  || { echo "FAIL: the desktop entry does not open $mime_type"; exit 1; }
grep -qx "Icon=$app_id" "$root/usr/share/applications/$app_id.desktop" || { echo "FAIL: desktop icon"; exit 1; }

# The man pages. -----------------------------------------------------------------------------------
for page in tarnwick upstool; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$root/usr/share/man/man1/$page.1.gz" 2>&1 >/dev/null)
  [ -z "$warnings" ] || { echo "FAIL: man page $page: $warnings"; exit 1; }
done

# The programs. ------------------------------------------------------------------------------------
upstool="$root/usr/bin/upstool"
program="$root/usr/bin/tarnwick"
"$upstool" --version | head -n1 | grep -qx "upstool (Tarnwick) $version" || { echo "FAIL: upstool --version"; exit 1; }
env -u DISPLAY "$program" --version | head -n1 | grep -qx "tarnwick (Tarnwick) $version" \
  || { echo "FAIL: tarnwick --version"; exit 1; }
check=$("$upstool" check "$root/usr/share/tarnwick/DefaultNewFile.upt")
echo "$check"
[ "$check" = "$root/usr/share/tarnwick/DefaultNewFile.upt: library of 0 UPs" ] || { echo "FAIL: upstool check"; exit 1; }

source "$(dirname "${BASH_SOURCE[0]}")/../e2e/e2e_lib.sh"

named="$work/Named Set.UPS"
cp "$root/usr/share/tarnwick/DefaultNewFile.upt" "$named"
mkdir -p "$(dirname "$settings")"
printf '[Midi]\nMidiInStatus=0\nMidiOutStatus=0\n' >"$settings"

# A data error (a list or the template not found) would put a message box up before the main
# window, and the caption would never come.
env -C "$work" "$program" "$(basename "$named")" >>"$work/program.log" 2>&1 &
app_pid=$!
wait_for_window "Tarnwick - User Prog"
main=$window
sleep 0.5
import -window root "PNG24:$out/installed-start.png"
send_keys "$main" alt+x
wait_for_exit
expect_setting Files UPSFilePathName1 "$named"
echo "screenshot: $out/installed-start.png"
echo "PASS"
