#!/usr/bin/env bash
# Figures of the built program under its own Xvfb display: time from start to
# the first shown main window, peak memory, and CPU used over a minute of idle
# running.
# Usage: bench/program_figures.sh [path/to/tundrik] [display] [idle seconds]
set -euo pipefail
program=${1:-build/program/tundrik}
display=${2:-:70}
seconds=${3:-60}

Xvfb "$display" -screen 0 1280x1024x24 >/dev/null 2>&1 &
xvfb=$!
app=
cleanup() {
    [[ -n $app ]] && kill "$app" 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
for _ in $(seq 100); do
    DISPLAY=$display xwininfo -root >/dev/null 2>&1 && break
    sleep 0.05
done

# First paint: the program writes the moment its main window has painted once
# when TUNDRIK_REPORT_FIRST_PAINT is set; without it, the moment the window is
# mapped on the display is taken.
start=$(date +%s%N)
DISPLAY=$display TUNDRIK_REPORT_FIRST_PAINT=1 "$program" > /tmp/tundrik-bench.$$ 2>/dev/null &
app=$!
shown=
for _ in $(seq 2000); do
    if grep -q '^first-paint' /tmp/tundrik-bench.$$ 2>/dev/null; then
        shown=$(date +%s%N); break
    fi
    if DISPLAY=$display xwininfo -name "$(DISPLAY=$display xwininfo -root -tree 2>/dev/null \
            | grep -o '"Tundrik {[^"]*"' | head -n1 | tr -d '"')" 2>/dev/null | grep -q 'IsViewable'; then
        shown=$(date +%s%N); break
    fi
    sleep 0.002
done
rm -f /tmp/tundrik-bench.$$
if [[ -n $shown ]]; then
    awk -v d="$((shown - start))" 'BEGIN { printf "start to first shown main window: %.0f ms\n", d / 1e6 }'
else
    echo "the main window did not appear"
fi

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
