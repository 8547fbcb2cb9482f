#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Figures of the built program under its own Xvfb display: time from the
# start of the process to the first paint of the main window (the program
# reports it when TUNDRIK_REPORT_FIRST_PAINT is set), peak memory, and CPU
# used while idle.
# Usage: bench/program_figures.sh [path/to/tundrik] [display] [idle seconds] [start-up runs]
set -euo pipefail
program=${1:-build/program/tundrik}
display=${2:-:70}
seconds=${3:-60}
runs=${4:-5}

Xvfb "$display" -screen 0 1280x1024x24 >/dev/null 2>&1 &
xvfb=$!
app=
cleanup() {
    [[ -n $app ]] && kill "$app" 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    rm -f "$fifo"
}
trap cleanup EXIT
for _ in $(seq 100); do
    DISPLAY=$display xwininfo -root >/dev/null 2>&1 && break
    sleep 0.05
done

# Starts the program and waits for its first-paint line, reading it from a
# pipe so that the waiting takes no CPU from the program; sets own (the
# line's figure: ms from process start) and wall (ms from launch to the line).
fifo=$(mktemp -u)
mkfifo "$fifo"
start_program() {
    local start now word value
    own=-
    wall=-
    start=$(date +%s%N)
    DISPLAY=$display TUNDRIK_REPORT_FIRST_PAINT=1 "$program" > "$fifo" 2>/dev/null &
    app=$!
    if read -r -t 30 word value < "$fifo" && [[ $word == first-paint ]]; then
        now=$(date +%s%N)
        own=$value
        wall=$(( (now - start) / 1000000 ))
    fi
}

# Start-up: the first run loads everything from disk, later ones from the cache.
figures=()
for i in $(seq "$runs"); do
    start_program
    echo "run $i: first paint ${own} ms after process start (${wall} ms from launch to the report)"
    figures+=("$own")
    if ((i < runs)); then
        kill "$app" 2>/dev/null || true
        wait "$app" 2>/dev/null || true
        app=
    fi
done
printf '%s\n' "${figures[@]}" | sort -n | awk '{ a[NR] = $1 } END {
    printf "first paint: median %s ms, min %s ms, max %s ms over %d runs\n", a[int((NR + 1) / 2)], a[1], a[NR], NR }'

# Idle: the last program keeps running.
sleep 2
ticks() { awk '{ print $14 + $15 }' "/proc/$app/stat"; }
hz=$(getconf CLK_TCK)
before=$(ticks)
t0=$(date +%s.%N)
sleep "$seconds"
after=$(ticks)
t1=$(date +%s.%N)
peak=$(awk '/VmHWM/ { print $2 }' "/proc/$app/status")
awk -v k="$peak" 'BEGIN { printf "peak memory (VmHWM): %.1f MB\n", k / 1024 }'
awk -v t="$((after - before))" -v hz="$hz" -v s="$t0" -v e="$t1" 'BEGIN {
    wall = e - s; cpu = t / hz;
    printf "idle CPU: %.2f s in %.0f s = %.3f %% of one core\n", cpu, wall, 100 * cpu / wall }'
