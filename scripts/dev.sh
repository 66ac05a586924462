#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets a Debian 12 machine up for the program, builds it, then starts it or
# runs every test.
#
#   scripts/dev.sh run    install what is missing, build, start the program
#   scripts/dev.sh test   the same set-up plus the test tools, build, run all tests,
#                         then build them again under the sanitizers (in
#                         build-sanitize/) and run them with the bounded fuzzing
#
# Packages are installed with apt-get (through sudo when not root). The build
# lands in build/; with CI set, compiler warnings are errors.
#
# On a desktop whose sound server is PipeWire (pipewire-pulse installed) the
# test set-up does not install PulseAudio beside it, and the sound tests, which
# start a private PulseAudio daemon, say that they are skipped and why.
set -euo pipefail

top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
mode=${1:-}
case "$mode" in
  run|test) ;;
  *) echo "usage: scripts/dev.sh run|test" >&2; exit 2 ;;
esac

# The program opens windows: without a display it cannot start, so say so now
# rather than after the build.
if [ "$mode" = run ] && [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] \
   && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "scripts/dev.sh run: the program needs a graphical session (DISPLAY or WAYLAND_DISPLAY); run this from a desktop, or as: xvfb-run scripts/dev.sh run" >&2
  exit 1
fi

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-svg-dev qt6-qpa-plugins
  libsndfile1-dev libpulse-dev libfontconfig-dev
  sound-theme-freedesktop fonts-noto-ui-core
)
installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }
if [ "$mode" = test ]; then
  # GoogleTest; the tools the package test runs (the Debian package tools,
  # the desktop entry and metainfo validators, lintian, a headless X server
  # and a window lister); a face without Arabic letters for the font check.
  packages+=(libgtest-dev dpkg-dev desktop-file-utils appstream lintian
             xvfb xauth x11-utils fonts-dejavu-core)
  # A PulseAudio daemon that the sound tests start on their own with a null
  # sink, unless PipeWire is this machine's sound server.
  installed pipewire-pulse || packages+=(pulseaudio)
  # clang with its sanitizer and libFuzzer runtimes, for the second build.
  packages+=(clang-14 libclang-rt-14-dev)
fi

missing=()
for package in "${packages[@]}"; do
  installed "$package" || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null; then
      echo "scripts/dev.sh: these Debian packages are missing: ${missing[*]}" >&2
      echo "Install them as root (su -), then run this command again:" >&2
      echo "  apt-get update && apt-get install --no-install-recommends ${missing[*]}" >&2
      exit 1
    fi
    sudo=(sudo)
  fi
  echo "Installing: ${missing[*]}"
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
ctest --output-on-failure --timeout 300 -j2
echo "== tests passed after ${SECONDS} s"

# The same tests under AddressSanitizer and UndefinedBehaviorSanitizer, built
# by clang so that the same build makes the fuzz targets; then each fuzz
# target for a bounded time, two at a time.
sanitize="$top/build-sanitize"
cmake -S "$top" -B "$sanitize" -G Ninja -DCMAKE_CXX_COMPILER=clang++-14 \
  -DQISMA_WERROR="$werror" -DBUILD_TESTING=ON -DQISMA_SANITIZE=ON -DQISMA_FUZZ=ON
cmake --build "$sanitize"
echo "== sanitizer build done after ${SECONDS} s"
cd "$sanitize"
# Packing and installing were checked on the first build; the sanitizers
# have nothing to add there.
ctest --output-on-failure --timeout 300 -j2 -LE 'fuzz|packaging'
echo "== sanitizer tests passed after ${SECONDS} s"
ctest --output-on-failure -j2 -L fuzz
echo "== bounded fuzzing passed after ${SECONDS} s"
