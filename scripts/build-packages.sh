#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Tundrik's Debian packages from a Release build with Debian's
# hardening flags, and checks them with lintian.
#
#   bash scripts/build-packages.sh [--build-dir DIR] [--output DIR] [--no-lintian]
#
# The build goes to build-deb/build and the packages to build-deb/ unless
# told otherwise. Run scripts/install-deps.sh first on a fresh machine.
set -euo pipefail
cd "$(dirname "$0")/.."
source_dir=$PWD
build_dir=$source_dir/build-deb/build
output_dir=$source_dir/build-deb
run_lintian=1

while (($#)); do
    case $1 in
        --build-dir) build_dir=$(realpath -m "$2"); shift 2 ;;
        --output) output_dir=$(realpath -m "$2"); shift 2 ;;
        --no-lintian) run_lintian=0; shift ;;
        *) echo "build-packages.sh: unknown argument '$1'" >&2; exit 2 ;;
    esac
done

# Debian's build flags (fortify, stack protector, full RELRO, bind-now),
# without the debug information that stripping would throw away again.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags=""
for flag in $(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS); do
    case $flag in -g | -O2) ;; *) cxxflags+=" $flag" ;; esac
done
ldflags=$(dpkg-buildflags --get LDFLAGS)

cmake -S "$source_dir" -B "$build_dir" -G Ninja \
    -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX=/usr \
    -DTUNDRIK_BUILD_TESTS=OFF \
    -DTUNDRIK_SANITIZE=OFF \
    "-DCMAKE_CXX_FLAGS=${cxxflags# }" \
    "-DCMAKE_EXE_LINKER_FLAGS=$ldflags" \
    "-DCMAKE_SHARED_LINKER_FLAGS=$ldflags" \
    "-DCMAKE_MODULE_LINKER_FLAGS=$ldflags"
cmake --build "$build_dir" -j "$(nproc)"

# cpack works in a folder of its own; only the packages are kept.
rm -rf "$build_dir/cpack"
(cd "$build_dir" && cpack -G DEB -B "$build_dir/cpack")
mkdir -p "$output_dir"
rm -f "$output_dir"/*.deb
mv "$build_dir"/cpack/*.deb "$output_dir"/
echo "Packages in $output_dir:"
ls -1 "$output_dir"/*.deb

if ((run_lintian)); then
    # Errors and warnings fail the build; see the README for the reasons
    # behind any tag suppressed here.
    lintian --fail-on error,warning --info "$output_dir"/*.deb
    echo "lintian: no errors or warnings"
fi
