#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what Tundrik needs to build, run and test on Debian 12 (as root),
# and to build and check its Debian packages: libqt6opengl6-dev completes
# Qt's Designer CMake package for the Designer plugin; qt6-l10n-tools brings
# lrelease for the catalog of Qt's texts in Estonian; at-spi2-core,
# gir1.2-atspi-2.0 and python3-pyatspi let the AT-SPI check read the windows
# as a screen reader does; python3-icalendar reads the holidays' iCalendar
# files back in their test; dpkg-dev and file let CPack compute the packages'
# dependencies and dpkg-gensymbols the library's symbols file; lintian and
# groff check them; abigail-tools (abidw, abidiff) checks the control
# library's binary interface against its baseline; qt6-gtk-platformtheme
# lets a test read every window on a dark GTK theme; openbox, xdotool and
# xclip let the walk through the program drive it on a desktop as a person
# does; clang-format (git-clang-format) checks the style of the lines a
# change touches.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools libgl-dev
    libqt6opengl6-dev
    libqt6svg6 qt6-svg-dev
    qt6-gtk-platformtheme
    fonts-liberation2 fonts-dejavu-core
    tzdata locales
    xvfb xauth x11-utils imagemagick openbox xdotool xclip
    python3-icalendar
    dbus dbus-daemon python3 python3-dbus python3-gi
    at-spi2-core gir1.2-atspi-2.0 python3-pyatspi
    appstream desktop-file-utils
    dpkg-dev file gzip lintian groff-base man-db util-linux
    abigail-tools clang-format git
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if ((${#missing[@]})); then
    if [ "$(id -u)" -ne 0 ]; then
        echo "Run as root (or with sudo) to install: ${missing[*]}" >&2
        exit 1
    fi
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
