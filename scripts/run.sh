#!/usr/bin/env bash
# Installs what is missing, builds, and starts the editor window; arguments go to koru-configurator.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build build -j 2
exec build/bin/koru-configurator "$@"
