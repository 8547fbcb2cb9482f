#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian packages as a user gets them: built from a Release build and
# checked by lintian (scripts/build-packages.sh), installed with apt-get from
# the local files alone, the program started from its desktop entry under
# Xvfb and asked for its version, a program built against the development
# package and run, and everything purged again.
#
#   package_test.sh SOURCE_DIR WORK_DIR
#
# Needs root; exits 77 (skipped) without it, and also when any of the
# packages is already on the machine from somewhere else, since the test
# would purge it. No network is needed: every dependency must already be
# installed (scripts/install-deps.sh installs them).
set -euo pipefail

source_dir=$(realpath "$1")
work=$(realpath -m "$2")
packages=(tundrik libtundkast1 libtundkast-dev tundkast-designer-plugin)
version=$(sed -n '1s/^tundrik (\([^)]*\)).*/\1/p' "$source_dir/packaging/debian/changelog")
marker=$work/installed-by-package-test

skip() { echo "SKIPPED: $*"; exit 77; }
fail() { echo "FAILED: $*" >&2; exit 1; }
step() { echo; echo "== $*"; }

[ "$(id -u)" -eq 0 ] || skip "installing packages needs root"
command -v apt-get >/dev/null && command -v dpkg-query >/dev/null || skip "not a Debian system"

# Whether dpkg knows the package in any state but "not installed".
present() {
    local status
    status=$(dpkg-query -W -f='${Status}' "$1" 2>/dev/null) || return 1
    [[ $status != *not-installed ]]
}

apt_quiet() {
    DEBIAN_FRONTEND=noninteractive timeout 900 apt-get -q -y \
        -o DPkg::Lock::Timeout=300 -o Dpkg::Use-Pty=0 "$@"
}

purge_ours() {
    local here=()
    for p in "${packages[@]}"; do present "$p" && here+=("$p"); done
    if ((${#here[@]})); then
        apt_quiet purge "${here[@]}"
    fi
    rm -f "$marker"
}

mkdir -p "$work"
if [ -e "$marker" ]; then
    step "purging what an interrupted earlier run left installed"
    purge_ours
fi
for p in "${packages[@]}"; do
    present "$p" && skip "$p is already on this machine and was not installed by this test"
done

pids=()
cleanup() {
    local status=$?
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
    if [ -e "$marker" ]; then
        step "purging the packages"
        purge_ours || status=1
    fi
    exit "$status"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

step "building the packages and running lintian"
rm -rf "$work/debs"
bash "$source_dir/scripts/build-packages.sh" --build-dir "$work/build" --output "$work/debs"

debs=()
for p in "${packages[@]}"; do
    deb=$work/debs/${p}_${version}_$(dpkg --print-architecture).deb
    [ -f "$deb" ] || fail "no package $deb"
    debs+=("$deb")
done
made=$(find "$work/debs" -name '*.deb' | wc -l)
[ "$made" -eq "${#packages[@]}" ] || fail "cpack made $made packages, expected ${#packages[@]}"

step "the runtime library's symbols file"
library_deb=$work/debs/libtundkast1_${version}_$(dpkg --print-architecture).deb
symbols=$(dpkg-deb --info "$library_deb" symbols) || fail "libtundkast1 ships no symbols file"
grep -q '^libtundkast\.so\.1 libtundkast1 #MINVER#$' <<<"$symbols" || fail "libtundkast1's symbols file: $symbols"
echo "$(grep -c '@Base' <<<"$symbols") symbols"

step "checking that apt needs nothing from the network"
plan=$(apt-get install -s --no-install-recommends "${debs[@]}" 2>&1) || fail "apt-get cannot install the packages:
$plan"
extra=$(sed -n 's/^Inst \([^ ]*\).*/\1/p' <<<"$plan" | grep -v -x -F -f <(printf '%s\n' "${packages[@]}") || true)
[ -z "$extra" ] || fail "the packages need packages that are not installed (scripts/install-deps.sh should install them): $extra"

step "installing with apt-get"
touch "$marker"
apt_quiet install --no-install-recommends "${debs[@]}"
for p in "${packages[@]}"; do
    got=$(dpkg-query -W -f='${Status} ${Version}' "$p")
    [ "$got" = "install ok installed $version" ] || fail "$p: $got"
done

step "checking the installed files"
[ "$(command -v tundrik)" = /usr/bin/tundrik ] || fail "tundrik is not /usr/bin/tundrik"
grep -q -E 'libtundkast\.so\.1 .*=> /(usr/)?lib/' <<<"$(ldconfig -p)" || fail "the ldconfig trigger did not register libtundkast.so.1"
[ "$(man -w tundrik)" = /usr/share/man/man1/tundrik.1.gz ] || fail "man does not find tundrik(1)"
[ -f /usr/share/bash-completion/completions/tundrik ] || fail "no bash completion of tundrik"
qt_plugins=$(/usr/lib/qt6/bin/qtpaths6 --query QT_INSTALL_PLUGINS)
plugin=$qt_plugins/designer/libtundkastdesigner.so
[ -f "$plugin" ] || fail "the Designer plugin is not in Qt's plugin folder ($plugin)"
! grep -q 'not found' <<<"$(ldd "$plugin")" || fail "the Designer plugin misses libraries: $(ldd "$plugin")"
! grep -q -E 'RPATH|RUNPATH' <<<"$(readelf -d /usr/bin/tundrik)" || fail "/usr/bin/tundrik carries a run path"

step "the development package: a program built against the packaged headers"
rm -rf "$work/consumer"
timeout 300 cmake -S "$source_dir/tests/controls/consumer" -B "$work/consumer" \
    || fail "a project does not find the installed Tundkast"
timeout 600 cmake --build "$work/consumer" \
    || fail "the consumer does not build against the packaged headers"
QT_QPA_PLATFORM=offscreen timeout 60 "$work/consumer/tundkast_consumer" \
    || fail "the consumer built against the packages does not work"

step "tundrik --version and a subcommand without a display"
no_display=(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb)
out=$(timeout 30 "${no_display[@]}" tundrik --version) || fail "tundrik --version failed"
[ "$(head -1 <<<"$out")" = "Tundrik ${version%-*}" ] || fail "tundrik --version says: $out"
status=0
timeout 30 "${no_display[@]}" tundrik --tundmatu-voti >/dev/null 2>&1 || status=$?
[ "$status" -eq 1 ] || fail "tundrik --tundmatu-voti ended with $status, not 1"
out=$(timeout 30 "${no_display[@]}" tundrik liigaasta 2000) || fail "tundrik liigaasta failed"
[ "$out" = "Jah, on liigaasta" ] || fail "tundrik liigaasta 2000 says: $out"

step "starting the program from its desktop entry under Xvfb"
desktop=/usr/share/applications/tundrik.desktop
exec_line=$(grep -m1 '^Exec=' "$desktop" || true)
exec_line=${exec_line#Exec=}
[ -n "$exec_line" ] || fail "$desktop has no Exec line"
# Field codes stand for files and URLs, of which there are none here.
exec_line=$(sed -E 's/ ?%[fFuUdDnNickvm]//g' <<<"$exec_line")

rm -f "$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.2; done
display=:$(head -1 "$work/display")
[ "$display" != ":" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"

# As a desktop would start it, with nothing from this shell: no right to set
# the clock, and no system bus to reach the time service through.
mkdir -p "$work/home" "$work/runtime"
chmod 700 "$work/runtime"
setpriv --inh-caps=-sys_time --bounding-set=-sys_time \
    env -i PATH=/usr/bin:/bin HOME="$work/home" LANG=C.UTF-8 DISPLAY="$display" \
    XDG_RUNTIME_DIR="$work/runtime" \
    DBUS_SYSTEM_BUS_ADDRESS="unix:path=$work/no-system-bus" \
    DBUS_SESSION_BUS_ADDRESS="unix:path=$work/no-session-bus" \
    sh -c "exec $exec_line" >"$work/program.log" 2>&1 &
program=$!
pids+=("$program")

title=""
for _ in $(seq 150); do
    windows=$(xwininfo -display "$display" -root -tree 2>/dev/null || true)
    title=$(grep -o -m1 '"Tundrik {GMT[^"]*}"' <<<"$windows" || true)
    [ -n "$title" ] && break
    kill -0 "$program" 2>/dev/null || fail "the program ended: $(cat "$work/program.log")"
    sleep 0.2
done
[ -n "$title" ] || fail "no Tundrik window within 30 s: $(cat "$work/program.log")"
echo "window $title"
sleep 2
kill -0 "$program" 2>/dev/null || fail "the program ended after showing its window: $(cat "$work/program.log")"
grep -q -E ' /(usr/)?lib/[^ ]*/libtundkast\.so\.1' "/proc/$program/maps" \
    || fail "the program does not use the installed libtundkast"
bound=$(sed -n 's/^CapBnd:\t//p' "/proc/$program/status")
(( (16#$bound >> 25) & 1 )) && fail "the program kept the right to set the clock"
import -display "$display" -window root "$work/installed-program.png" 2>/dev/null || true
kill "$program"
wait "$program" 2>/dev/null || true

step "purging"
purge_ours
for p in "${packages[@]}"; do
    present "$p" && fail "$p is still installed after the purge"
done
[ ! -e /usr/bin/tundrik ] || fail "/usr/bin/tundrik is left after the purge"
! grep -q 'libtundkast\.so\.1 ' <<<"$(ldconfig -p)" || fail "libtundkast.so.1 is still registered after the purge"
echo
echo "Debian packages: built, lintian-clean, installed, started and purged"
