#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the benchmark programs in a Release build of their own and runs them, printing the
# figures. Nothing here is a test: it measures and judges nothing but the one-frame budget
# it prints beside each handler.
#
#   bench/run.sh [ARGUMENTS...]
#
# The arguments go to bench_drills (--answers N, --logic-answers N, --pastes N, --help).
# The build lands in build-bench-release/; JOBS (default 2) sets how many compilers run at
# once. The start-up benchmark is bench/startup.sh, apart from this.
set -euo pipefail

top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$top/build-bench-release
log=$build/bench-build.log
mkdir -p "$build"

if ! { cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQISMA_BENCH=ON \
           -DBUILD_TESTING=OFF \
       && cmake --build "$build" --target bench_drills --parallel "${JOBS:-2}"; } >"$log" 2>&1
then
    tail -n 40 "$log" >&2
    echo "bench/run.sh: the build failed; the whole log is $log" >&2
    exit 1
fi

"$build/bench_drills" "$@"
