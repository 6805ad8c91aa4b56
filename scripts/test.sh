#!/usr/bin/env bash
# Builds and runs every test twice: a normal build (with the accessibility check of its window and the Debian
# package made from it), then an AddressSanitizer + UndefinedBehaviorSanitizer build. Exits non-zero when any build or test fails.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

run_suite() {
  local dir=$1; shift
  cmake -S . -B "$dir" -G Ninja "$@" > /dev/null
  cmake --build "$dir" -j 2
  ctest --test-dir "$dir" -j 2 --output-on-failure
}

echo "== normal build =="
run_suite build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORU_WERROR=ON
echo "== the accessibility tree of the real window, read from outside =="
KORU_BIN=build/bin scripts/accessibility-check.sh
echo "== the Debian package, unpacked and run =="
tests/dist/package_test.sh build
echo "== AddressSanitizer + UndefinedBehaviorSanitizer build =="
run_suite build-asan -DCMAKE_BUILD_TYPE=Debug -DKORU_SANITIZE=ON -DKORU_WERROR=ON
