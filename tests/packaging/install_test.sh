#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the program twice into a scratch prefix, then removes it with the
# "uninstall" target. Expects the program, its sound folder and the link on
# the path after the install, every installed file and link listed in the
# manifest, the program stripped, and no file, link or own folder left after
# the removal.
#
#   install_test.sh BUILD_FOLDER
set -euo pipefail
build=$(cd "${1:?usage: install_test.sh BUILD_FOLDER}" && pwd)
scratch=$(mktemp -d)
prefix=$scratch/prefix
manifest=$build/install_manifest.txt
# The build folder has one manifest; a real install's must survive this test.
[ -e "$manifest" ] && cp -p "$manifest" "$scratch/manifest.saved"
restore() {
  if [ -e "$scratch/manifest.saved" ]; then cp -p "$scratch/manifest.saved" "$manifest"
  else rm -f "$manifest"; fi
  rm -rf "$scratch"
}
trap restore EXIT

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

cmake --install "$build" --prefix "$prefix" >/dev/null
cmake --install "$build" --prefix "$prefix" >/dev/null  # a second install over the first

[ -x "$prefix/lib/qisma/qisma" ] || fail "no program in lib/qisma"
[ -s "$prefix/lib/qisma/sound/yes.wav" ] && [ -s "$prefix/lib/qisma/sound/no.wav" ] \
  || fail "no sound folder beside the program"
[ "$(readlink "$prefix/bin/qisma")" = ../lib/qisma/qisma ] || fail "no link bin/qisma"
readelf -S "$prefix/lib/qisma/qisma" | grep -qE '\.symtab|\.debug_' && fail "the program is not stripped"

# Everything on disk is in the manifest, and the other way round.
(cd "$prefix" && find . \( -type f -o -type l \) | sed "s|^\.|$prefix|" | sort) >"$scratch/on_disk"
sort "$manifest" >"$scratch/listed"
diff "$scratch/listed" "$scratch/on_disk" || fail "the manifest and the installed files differ"

cmake --build "$build" --target uninstall >/dev/null
left=$(cd "$prefix" && find . \( -type f -o -type l \) -o -type d \( -path '*/qisma' -o -path '*/qisma/*' \))
[ -z "$left" ] || fail "left after uninstall: $left"

[ "$failures" -eq 0 ] && echo "installed twice and removed: nothing left"
exit $((failures > 0))
