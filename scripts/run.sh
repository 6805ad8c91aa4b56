#!/usr/bin/env bash
# Installs what is missing, builds the programs, and starts the editor window; arguments go to koru-configurator.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
# Only the two programs and their default files: the tests and benchmarks build in scripts/test.sh.
cmake --build build -j 2 --target koru-configurator korucfg koru_default_files
exec build/bin/koru-configurator "$@"
