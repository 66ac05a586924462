#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from a finished build folder and checks it the way
# a packager and a user would: its control fields, its files, the desktop
# entry and metainfo validators, lintian, and the unpacked program starting
# on a headless X server far enough to show its splash screen and then the
# exercise menu.
#
#   package_test.sh BUILD_FOLDER
set -euo pipefail
build=$(cd "${1:?usage: package_test.sh BUILD_FOLDER}" && pwd)
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
scratch=$(mktemp -d)
# cpack rewrites the build folder's install manifest with the package's paths;
# a real install's manifest must survive this test.
manifest=$build/install_manifest.txt
[ -e "$manifest" ] && cp -p "$manifest" "$scratch/manifest.saved"
restore() {
  if [ -e "$scratch/manifest.saved" ]; then cp -p "$scratch/manifest.saved" "$manifest"
  else rm -f "$manifest"; fi
  rm -rf "$scratch"
}
trap restore EXIT

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
step() { echo "--- $*"; }

step "cpack -G DEB"
(cd "$build" && cpack -G DEB -B "$scratch/out") >"$scratch/cpack.log" 2>&1 \
  || { cat "$scratch/cpack.log"; exit 1; }
debs=("$scratch"/out/qisma_*_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { ls "$scratch/out"; echo "FAIL: no single .deb"; exit 1; }
deb=${debs[0]}
echo "$(basename "$deb"): $(stat -c %s "$deb") bytes"

step "control fields"
version=$(dpkg-deb -f "$deb" Version)
[ "$(basename "$deb")" = "qisma_${version}_$(dpkg --print-architecture).deb" ] \
  || fail "file name $(basename "$deb") is not qisma_<version>_<arch>.deb"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
# Named by hand, and found by dpkg-shlibdeps from the libraries the program links.
for package in qt6-qpa-plugins fonts-noto-ui-core sound-theme-freedesktop \
               libqt6widgets6 libqt6svg6 libsndfile1 libpulse0 libfontconfig1; do
  [[ ", $depends," == *", $package"[\ ,]* ]] || fail "Depends lacks $package"
done
recommends=$(dpkg-deb -f "$deb" Recommends)
echo "Recommends: $recommends"
[ "$recommends" = "pipewire-pulse | pulseaudio" ] || fail "Recommends is '$recommends'"

step "files"
root=$scratch/root
dpkg-deb -x "$deb" "$root"
usr=$root/usr
for file in lib/qisma/qisma lib/qisma/sound/yes.wav lib/qisma/sound/no.wav \
            share/icons/hicolor/scalable/apps/qisma.svg share/man/man1/qisma.1.gz \
            share/doc/qisma/copyright share/doc/qisma/changelog.gz; do
  [ -s "$usr/$file" ] || fail "missing $file"
done
[ "$(readlink "$usr/bin/qisma")" = ../lib/qisma/qisma ] || fail "bin/qisma is not a link to the program"
for side in 16 24 32 48 64 128 256; do
  png=$usr/share/icons/hicolor/${side}x${side}/apps/qisma.png
  # The width and height stand in the PNG header, big-endian, at bytes 16 to 23.
  size=$(od -An -tu1 -j16 -N8 "$png" 2>/dev/null | awk '{print $3*256+$4 "x" $7*256+$8}')
  [ "$size" = "${side}x${side}" ] || fail "$png is '$size', not ${side}x${side}"
done
readelf -S "$usr/lib/qisma/qisma" | grep -qE '\.symtab|\.debug_' && fail "the program is not stripped"
# The running program names its desktop entry to Wayland and the docks; the two must agree.
desktop=$(cd "$usr/share/applications" && echo *.desktop)
# Qt keeps its string literals in UTF-16.
strings -el "$usr/lib/qisma/qisma" | grep -qxF "${desktop%.desktop}" || fail "the program does not name $desktop"
grep -q "<launchable type=\"desktop-id\">$desktop</launchable>" "$usr"/share/metainfo/*.metainfo.xml \
  || fail "the metainfo does not launch $desktop"

step "desktop-file-validate"
desktop-file-validate "$usr/share/applications/$desktop" || fail "desktop-file-validate"
step "appstreamcli validate --no-net"
appstreamcli validate --no-net "$usr"/share/metainfo/*.metainfo.xml || fail "appstreamcli validate"
appstreamcli validate-tree --no-net "$root" || fail "appstreamcli validate-tree"
step "lintian"
# Lintian warns when run as root; only its findings matter here.
lintian --fail-on error "$deb" 2> >(grep -v 'running with root privileges' >&2) || fail "lintian"

step "the unpacked program starts"
mkdir -m 700 "$scratch/runtime"
# On an X server of its own, whatever platform, theme, scale or sound server
# the caller's environment names.
env -u QT_QPA_PLATFORM -u QT_QPA_PLATFORMTHEME -u QT_STYLE_OVERRIDE -u QT_SCALE_FACTOR \
  -u QT_SCREEN_SCALE_FACTORS -u QT_FONT_DPI -u WAYLAND_DISPLAY -u PULSE_RUNTIME_PATH \
  XDG_RUNTIME_DIR=$scratch/runtime PULSE_SERVER=unix:/nonexistent \
  xvfb-run -a -s "-screen 0 1280x1024x24" "$here/first_screens.sh" "$usr/bin/qisma" \
  || fail "the unpacked program did not show its first screens"

[ "$failures" -eq 0 ] && echo "package checked: no failure"
exit $((failures > 0))
