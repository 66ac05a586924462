#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets a Debian 12 machine up for the program, builds it, then starts it or
# runs every test.
#
#   scripts/dev.sh run    install what is missing, build, start the program
#   scripts/dev.sh test   the same set-up plus the test tools, build, run all tests
#
# Packages are installed with apt-get (through sudo when not root). The build
# lands in build/; with CI set, compiler warnings are errors.
set -euo pipefail

top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
mode=${1:-}
case "$mode" in
  run|test) ;;
  *) echo "usage: scripts/dev.sh run|test" >&2; exit 2 ;;
esac

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-svg-dev qt6-qpa-plugins
  libsndfile1-dev libpulse-dev libfontconfig-dev
  sound-theme-freedesktop fonts-noto-ui-core
)
if [ "$mode" = test ]; then
  # GoogleTest for the tests, and a PulseAudio daemon that the sound tests
  # start on their own with a null sink.
  packages+=(libgtest-dev pulseaudio)
fi

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' \
    || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" apt-get update -q
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

build="$top/build"
werror=OFF
[ -n "${CI:-}" ] && werror=ON
testing=OFF
[ "$mode" = test ] && testing=ON
cmake -S "$top" -B "$build" -G Ninja -DQISMA_WERROR="$werror" -DBUILD_TESTING="$testing"
cmake --build "$build"

if [ "$mode" = run ]; then
  exec "$build/qisma"
fi
cd "$build"
exec ctest --output-on-failure --timeout 300 -j2
