#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# On an X display: starts the program, expects its splash screen (titled
# "Form2", 418 × 458) at once and the exercise menu (titled "Form5", 800 × 600)
# three seconds later with the splash gone, and nothing on standard error.
#
#   first_screens.sh PROGRAM
set -uo pipefail
errors=$(mktemp)
"$1" 2>"$errors" &
pid=$!
trap 'kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; rm -f "$errors"' EXIT

# Prints "WIDTHxHEIGHT" of the window with that title while it is on screen.
shown() {
  xwininfo -name "$1" 2>/dev/null | awk '/Width:/ {w=$2} /Height:/ {h=$2}
    /Map State: IsViewable/ {v=1} END {if (v) print w "x" h}'
}
await() {  # title, size, seconds
  for _ in $(seq $(($3 * 10))); do
    [ "$(shown "$1")" = "$2" ] && { echo "shown: $1 $2"; return 0; }
    kill -0 "$pid" 2>/dev/null || { echo "the program ended"; return 1; }
    sleep 0.1
  done
  echo "not shown within $3 s: $1 $2 (now '$(shown "$1")')"
  return 1
}

ok=0
await Form2 418x458 10 && await Form5 800x600 10 && [ -z "$(shown Form2)" ] || ok=1
if [ -s "$errors" ]; then
  echo "standard error:"; cat "$errors"; ok=1
fi
exit $ok
