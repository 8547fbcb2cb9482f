#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The bash completion against the program it completes:
#   check_completion.sh COMPLETION TUNDRIK
# every subcommand of "tundrik --help" is offered after "tundrik", every
# option of "tundrik SUBCOMMAND --help" (and no other) after its "--", and
# every value offered for --esimene-päev, --esimene-nädal and a month is
# one the program takes.
set -euo pipefail
completion=$1
tundrik=$2
export LC_ALL=C.UTF-8
run() { env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$tundrik" "$@"; }
fail() { echo "FAIL: $*"; exit 1; }

# shellcheck source=/dev/null
source "$completion"
offered() {
    COMP_WORDS=("$@")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMPREPLY=()
    _tundrik
    printf '%s\n' "${COMPREPLY[@]}" | sort
}

help=$(run --help)
subcommands=$(sed -n '/^Alamkäsud/,/^$/s/^  \([^ ]*\) .*/\1/p' <<<"$help" | sort)
[ "$(wc -l <<<"$subcommands")" -eq 9 ] || fail "tundrik --help lists: $subcommands"
after_tundrik=$(offered tundrik '')
for s in $subcommands; do
    grep -qx -- "$s" <<<"$after_tundrik" || fail "\"tundrik $s\" is not offered"
done

for s in $subcommands; do
    options=$(run "$s" --help | sed -n 's/^  \(-h, \)\?\(--[^ ]*\).*/\2/p' | sort)
    [ -n "$options" ] || fail "tundrik $s --help names no option"
    got=$(offered tundrik "$s" --)
    [ "$got" = "$options" ] || fail "tundrik $s --: offers [$(echo $got)], the program takes [$(echo $options)]"
done

for value in $(offered tundrik kalender --esimene-päev ''); do
    run kalender --esimene-päev="$value" 2004 >/dev/null || fail "--esimene-päev=$value"
done
for value in $(offered tundrik kalender --esimene-nädal = ''); do
    run kalender --esimene-nädal="$value" 2004 >/dev/null || fail "--esimene-nädal=$value"
done
[ "$(offered tundrik kalender --esimene-päev =)" = "$(offered tundrik kalender --esimene-päev '' | sed 's/^/=/')" ] \
    || fail "a value after \"=\" keeps the \"=\""
months=$(offered tundrik pühad '')
[ "$(wc -l <<<"$months")" -eq 12 ] || fail "the months offered: $months"
for month in $months; do
    run pühad "$month" 2004 >/dev/null || fail "pühad $month"
done
echo "the completion offers what tundrik takes: $(wc -l <<<"$subcommands") subcommands"
