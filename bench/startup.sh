#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up benchmark: the program against a bare Qt Widgets window of the splash screen's size.
#
#   bench/startup.sh [PROGRAM [TITLE_REGEX]]
#
# PROGRAM defaults to build/qisma (relative to the repository), TITLE_REGEX to '^Form2$' (the
# title of its splash window). Any other program and title can stand in, for example the bare
# window itself: bench/startup.sh build-bench/bare_window '^bare$'.
#
# Environment: RUNS (measured runs of each program, default 7), WARMUP (unmeasured runs of each
# first, default 1), TIMEOUT (seconds to wait for a window, default 30), HOLD (seconds a program
# stays up after its window appears, default 1).
#
# What it does: builds bench/bare_window into build-bench/ (Release), starts a private Xvfb,
# then launches the two programs in turn (order swapped every round) and measures for each run
#   - start-up: from launch to the first matching window being mapped on screen; a watcher
#     subscribed to the root window's map events stamps each map as it happens;
#   - peak memory: the maximum resident set size reported by /usr/bin/time after the program is
#     ended with SIGTERM, HOLD seconds after its window appeared.
# It prints every run, the medians, the ratios program / bare, and PASS or FAIL against the
# budgets (start-up ratio <= 1.5, memory ratio <= 1.3). The budgets are reported, not enforced:
# the exit status is 0 whatever they say, and 1 only when the measurement itself broke.
#
# Needs the Debian packages xvfb, x11-utils (xev, xdpyinfo), xdotool, time, coreutils (stdbuf),
# procps (pgrep), cmake, ninja-build and qt6-base-dev.
set -u

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
prog=${1:-$root/build/qisma}
title=${2:-'^Form2$'}
runs=${RUNS:-7}
warmup=${WARMUP:-1}
timeout_s=${TIMEOUT:-30}
hold_s=${HOLD:-1}
bare_title='^bare$'
start_budget=1.5
memory_budget=1.3

fail() { echo "startup.sh: $*" >&2; exit 1; }

for tool in Xvfb xev xdpyinfo xdotool stdbuf cmake ninja; do
    command -v "$tool" >/dev/null || fail "missing tool: $tool"
done
[ -x /usr/bin/time ] || fail "missing /usr/bin/time (Debian package: time)"
[[ $runs =~ ^[1-9][0-9]*$ ]] || fail "RUNS must be a positive whole number"
[[ $warmup =~ ^[0-9]+$ ]] || fail "WARMUP must be a whole number"
case $prog in /*) ;; *) [ -e "$prog" ] || prog=$root/$prog ;; esac
[ -x "$prog" ] || fail "no program at $prog (build it first, or pass its path)"
prog=$(cd "$(dirname "$prog")" && pwd)/$(basename "$prog")

# ---- build the bare window --------------------------------------------------------------
bench_build=$root/build-bench
echo "building the bare window in $bench_build"
if ! cmake -S "$root/bench/bare_window" -B "$bench_build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        >"$bench_build.log" 2>&1 \
    || ! cmake --build "$bench_build" >>"$bench_build.log" 2>&1; then
    cat "$bench_build.log" >&2
    fail "building the bare window failed"
fi
rm -f "$bench_build.log"
bare=$bench_build/bare_window

# A program built without optimisation makes the comparison unfair: say so.
cache=$(dirname "$prog")/CMakeCache.txt
if [ -f "$cache" ]; then
    build_type=$(sed -n 's/^CMAKE_BUILD_TYPE:[A-Z]*=//p' "$cache")
    case $build_type in
        Release|RelWithDebInfo|MinSizeRel) ;;
        *) echo "note: $prog is a '${build_type:-no type}' build; Release compares fairly" ;;
    esac
fi

# ---- private X server and map watcher ------------------------------------------------------
work=$(mktemp -d /tmp/qisma-bench.XXXXXX) || fail "no temporary folder"
xvfb_pid=''
xev_pid=''
reader_pid=''
time_pid=''

# shellcheck disable=SC2317  # called from the EXIT trap
cleanup() {
    [ -n "$time_pid" ] && endRun
    [ -n "$xev_pid" ] && kill "$xev_pid" 2>/dev/null
    [ -n "$reader_pid" ] && kill "$reader_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
# A stop request is only noted here and acted on between steps: leaving straight from the
# handler while a command substitution is running has crashed bash.
stop=''
trap 'stop=1' INT TERM HUP
stopIfAsked() { [ -z "$stop" ] || { echo "startup.sh: stopped" >&2; exit 1; }; }

# Sleep without starting a process: read from a pipe that never gets data.
mkfifo "$work/nap" || fail "no fifo"
exec {nap_fd}<>"$work/nap"
nap() { read -r -t "$1" -u "$nap_fd" _ || true; }

display=''
for n in $(seq 60 99); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do
        DISPLAY=:$n xdpyinfo >/dev/null 2>&1 && { display=:$n; break; }
        kill -0 "$xvfb_pid" 2>/dev/null || break
        nap 0.05
        stopIfAsked
    done
    [ -n "$display" ] && break
    kill "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
    xvfb_pid=''
done
[ -n "$display" ] || fail "could not start Xvfb"
export DISPLAY=$display
export QT_QPA_PLATFORM=xcb
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

# The watcher writes one line "<seconds since the epoch> <window id>" for every top-level
# window mapped on the display, stamped the moment the map event arrives. Without a window
# manager every program's windows are children of the root window, so none is missed.
maps=$work/maps
: >"$maps"
readMaps() {
    local line stamp=''
    while IFS= read -r line; do
        if [[ $line == MapNotify* ]]; then
            stamp=$EPOCHREALTIME
        elif [ -n "$stamp" ] && [[ $line =~ window\ (0x[0-9a-f]+) ]]; then
            echo "$stamp ${BASH_REMATCH[1]}" >>"$maps"
            stamp=''
        fi
    done
}
mkfifo "$work/events" || fail "no fifo"
stdbuf -oL xev -root -event substructure >"$work/events" 2>/dev/null &
xev_pid=$!
readMaps <"$work/events" &
reader_pid=$!

# Make sure the watcher listens before the first launch: show the bare window and map it again
# and again until the watcher has seen it.
"$bare" >/dev/null 2>&1 &
probe_pid=$!
for i in $(seq 100); do
    [ -s "$maps" ] && break
    nap 0.1
    stopIfAsked
    if ((i % 5 == 0)); then
        probe_win=$(xdotool search --name "$bare_title" 2>/dev/null | head -n 1)
        [ -n "$probe_win" ] && xdotool windowunmap --sync "$probe_win" windowmap "$probe_win" \
            >/dev/null 2>&1
    fi
done
kill "$probe_pid" 2>/dev/null
wait "$probe_pid" 2>/dev/null
[ -s "$maps" ] || fail "the map watcher sees no windows"

# ---- one run -------------------------------------------------------------------------------
run_start_ms=''
run_peak_kb=''
run_error=''
seen_maps=0

# Ends the program of the current run (the child of /usr/bin/time) and collects its figures.
endRun() {
    local child=''
    child=$(cat "/proc/$time_pid/task/$time_pid/children" 2>/dev/null)
    [ -n "$child" ] || child=$(pgrep -P "$time_pid" 2>/dev/null)
    local c
    for c in $child; do kill -TERM "$c" 2>/dev/null; done
    local i
    for i in $(seq 100); do
        kill -0 "$time_pid" 2>/dev/null || break
        nap 0.05
        [ "$i" -eq 60 ] && for c in $child; do kill -KILL "$c" 2>/dev/null; done
    done
    wait "$time_pid" 2>/dev/null
    time_pid=''
}

# runOnce PROGRAM TITLE_REGEX: sets run_start_ms and run_peak_kb, or run_error.
runOnce() {
    local program=$1 regex=$2
    run_start_ms=''
    run_peak_kb=''
    run_error=''
    local mem_file=$work/mem
    rm -f "$mem_file"
    seen_maps=$(wc -l <"$maps")

    local t0=$EPOCHREALTIME
    /usr/bin/time -f %M -o "$mem_file" "$program" >"$work/app.log" 2>&1 &
    time_pid=$!

    local deadline=$(( ${t0%.*} + timeout_s ))
    local mapped=''
    while [ -z "$mapped" ]; do
        local lines=()
        mapfile -t -s "$seen_maps" lines <"$maps"
        local entry
        for entry in "${lines[@]}"; do
            seen_maps=$((seen_maps + 1))
            local stamp=${entry% *} win=${entry#* }
            local name
            name=$(xdotool getwindowname "$win" 2>/dev/null) || continue
            if [[ $name =~ $regex ]]; then
                mapped=$stamp
                break
            fi
        done
        [ -n "$mapped" ] && break
        if ! kill -0 "$time_pid" 2>/dev/null; then
            run_error="exited before showing a window titled $regex"
            break
        fi
        if [ "${EPOCHREALTIME%.*}" -ge "$deadline" ]; then
            run_error="no window titled $regex within ${timeout_s} s"
            break
        fi
        stopIfAsked
        nap 0.002
    done

    [ -z "$run_error" ] && nap "$hold_s"
    endRun
    stopIfAsked
    if [ -n "$run_error" ]; then
        sed 's/^/    | /' "$work/app.log" | tail -n 5 >&2
        return 1
    fi
    run_start_ms=$(awk -v a="$t0" -v b="$mapped" 'BEGIN { printf "%.1f", (b - a) * 1000 }')
    run_peak_kb=$(tail -n 1 "$mem_file" 2>/dev/null)
    [[ $run_peak_kb =~ ^[0-9]+$ ]] || { run_error="no memory figure"; return 1; }
    return 0
}

# ---- the runs ------------------------------------------------------------------------------
# median FORMAT: the median of the numbers on standard input, one a line.
median() { sort -g | awk -v f="$1\n" '{ v[NR] = $1 } END {
    if (NR == 0) { print "nan"; exit }
    printf f, (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

echo "display $display, $(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg)"
echo "program: $prog (window $title)"
echo "bare:    $bare (window $bare_title)"
echo "runs: $runs measured after $warmup warm-up of each;" \
    "each program ends ${hold_s} s after its window appears"
echo

names=(qisma bare)
programs=("$prog" "$bare")
regexes=("$title" "$bare_title")
starts=('' '')
peaks=('' '')

for ((w = 1; w <= warmup; w++)); do
    for k in 0 1; do
        runOnce "${programs[$k]}" "${regexes[$k]}" \
            || fail "warm-up of ${names[$k]} failed: $run_error"
    done
done

printf '%-4s %-6s %12s %12s\n' run which 'start-up ms' 'peak RSS KB'
for ((r = 1; r <= runs; r++)); do
    # Swap the order every round so neither program always runs right after the other.
    if ((r % 2)); then order=(0 1); else order=(1 0); fi
    for k in "${order[@]}"; do
        runOnce "${programs[$k]}" "${regexes[$k]}" \
            || fail "run $r of ${names[$k]} failed: $run_error"
        printf '%-4s %-6s %12s %12s\n' "$r" "${names[$k]}" "$run_start_ms" "$run_peak_kb"
        starts[k]+="$run_start_ms "
        peaks[k]+="$run_peak_kb "
    done
done

q_start=$(tr ' ' '\n' <<<"${starts[0]}" | grep . | median %.1f)
b_start=$(tr ' ' '\n' <<<"${starts[1]}" | grep . | median %.1f)
q_peak=$(tr ' ' '\n' <<<"${peaks[0]}" | grep . | median %.0f)
b_peak=$(tr ' ' '\n' <<<"${peaks[1]}" | grep . | median %.0f)

verdict() { awk -v r="$1" -v b="$2" 'BEGIN { print (r <= b) ? "PASS" : "FAIL" }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
start_ratio=$(ratio "$q_start" "$b_start")
peak_ratio=$(ratio "$q_peak" "$b_peak")

echo
printf 'median start-up:    qisma %8s ms   bare %8s ms   ratio %s (budget <= %s)  %s\n' \
    "$q_start" "$b_start" "$start_ratio" "$start_budget" "$(verdict "$start_ratio" "$start_budget")"
printf 'median peak memory: qisma %8s KB   bare %8s KB   ratio %s (budget <= %s)  %s\n' \
    "$q_peak" "$b_peak" "$peak_ratio" "$memory_budget" "$(verdict "$peak_ratio" "$memory_budget")"
exit 0
