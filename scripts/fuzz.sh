#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs one of them: scripts/fuzz.sh TARGET [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
target=${1:?usage: scripts/fuzz.sh TARGET [SECONDS]}
seconds=${2:-600}
CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORU_FUZZ=ON -DKORU_TESTS=OFF > /dev/null
cmake --build build-fuzz -j 2 --target "$target"
corpus=fuzz/corpus/${target#fuzz_}
work=build-fuzz/corpus-${target}
mkdir -p "$work" fuzz/artifacts
exec build-fuzz/bin/"$target" "$work" "$corpus" -max_total_time="$seconds" -artifact_prefix=fuzz/artifacts/ -print_final_stats=1
