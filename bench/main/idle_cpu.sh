#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# CPU time the running main window takes while idle, as a share of one core,
# measured over 30 seconds under its own Xvfb display.
# Usage: idle_cpu.sh [path/to/tundrik] [display] [seconds]
set -euo pipefail
program=${1:-build/program/tundrik}
display=${2:-:62}
seconds=${3:-30}

Xvfb "$display" -screen 0 1280x1024x24 >/dev/null 2>&1 &
xvfb=$!
app=
cleanup() {
    [[ -n $app ]] && kill "$app" 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
sleep 1

DISPLAY=$display "$program" >/dev/null 2>&1 &
app=$!
sleep 3 # past the start-up work

ticks() { awk '{ print $14 + $15 }' "/proc/$app/stat"; }
hz=$(getconf CLK_TCK)
before=$(ticks)
start=$(date +%s.%N)
sleep "$seconds"
after=$(ticks)
end=$(date +%s.%N)
awk -v t="$((after - before))" -v hz="$hz" -v s="$start" -v e="$end" 'BEGIN {
    wall = e - s; cpu = t / hz;
    printf "idle CPU: %.3f s of CPU in %.1f s = %.3f %% of one core\n", cpu, wall, 100 * cpu / wall }'
