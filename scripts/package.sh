#!/usr/bin/env bash
# Builds the Debian package koru-configurator_VERSION_ARCH.deb from a build folder and prints its path.
#   scripts/package.sh [--lint] [BUILD_DIR]     (default build/; a new folder is configured without tests)
# --lint installs lintian when it is missing and fails on any error it reports.
set -euo pipefail
cd "$(dirname "$0")/.."
lint=false
if [ "${1:-}" = "--lint" ]; then lint=true; shift; fi
build=${1:-build}
if $lint; then scripts/install-deps.sh lintian; else scripts/install-deps.sh; fi

if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORU_TESTS=OFF > /dev/null
fi
cmake --build "$build" -j 2 > "$build/package-build.log" 2>&1 || { cat "$build/package-build.log" >&2; exit 1; }
out="$build/package"
rm -rf "$out"
cpack --config "$build/CPackConfig.cmake" -B "$out" > "$build/cpack.log" 2>&1 || { cat "$build/cpack.log" >&2; exit 1; }
deb=$(ls "$out"/koru-configurator_*.deb)
if $lint; then
  lintian --fail-on error --info "$deb" >&2
fi
echo "$deb"
