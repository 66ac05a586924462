#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What the program says on standard error when the desktop lacks what it
# needs: without a display it says so in one line and ends with a failure
# before Qt starts; without any font that has Arabic letters it warns once,
# naming the package to install; with the fonts it says nothing.
#
#   program_messages_test.sh PROGRAM
set -uo pipefail
program=${1:?usage: program_messages_test.sh PROGRAM}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -m 700 "$scratch/runtime"
# The program's own environment, whatever the caller's: no sound server, no Qt settings.
unset QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_FONT_DPI \
      PULSE_RUNTIME_PATH FONTCONFIG_FILE
export XDG_RUNTIME_DIR=$scratch/runtime PULSE_SERVER=unix:/nonexistent

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

echo "--- no display"
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 10 "$program" 2>"$scratch/err"
status=$?
cat "$scratch/err"
[ "$status" -ne 0 ] && [ "$status" -ne 124 ] || fail "ended with status $status"
[ "$(wc -l <"$scratch/err")" -eq 1 ] || fail "not one line"
grep -q 'xvfb-run' "$scratch/err" || fail "does not say how to run it without a desktop"
grep -qi 'reinstall' "$scratch/err" && fail "Qt started and gave its own advice"

# Runs the program offscreen until it has said what it lacks or `seconds` have
# passed. The warning comes once its event loop runs, which takes longer on a
# loaded machine or under the sanitizers, so the run without a warning lasts
# three times as long as the one with it took to warn.
run_offscreen() {  # seconds
  : >"$scratch/err"
  QT_QPA_PLATFORM=offscreen "$program" 2>"$scratch/err" &
  local pid=$! tenths=0
  while [ "$tenths" -lt $(($1 * 10)) ] && ! grep -q 'fonts-noto-ui-core' "$scratch/err"; do
    sleep 0.1
    tenths=$((tenths + 1))
  done
  kill "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  cat "$scratch/err"
  took=$(((tenths + 9) / 10))
}

echo "--- only a face without Arabic letters"
font=$(find /usr/share/fonts -name 'DejaVuSerif.ttf' -print -quit)
[ -n "$font" ] || fail "DejaVuSerif.ttf (fonts-dejavu-core) is needed for this check"
mkdir "$scratch/fonts"
ln -s "$font" "$scratch/fonts/"
cat >"$scratch/fonts.conf" <<CONF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig><dir>$scratch/fonts</dir><cachedir>$scratch/cache</cachedir></fontconfig>
CONF
FONTCONFIG_FILE=$scratch/fonts.conf run_offscreen 60  # hang bound: it warns at start
[ "$(grep -c 'fonts-noto-ui-core' "$scratch/err")" -eq 1 ] || fail "no single warning naming fonts-noto-ui-core"

echo "--- the desktop's own fonts"
run_offscreen $((3 * took + 1))
grep -q 'fonts-noto-ui-core' "$scratch/err" && fail "warned although an Arabic face is installed"

[ "$failures" -eq 0 ] && echo "messages checked: no failure"
exit $((failures > 0))
