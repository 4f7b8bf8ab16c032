#!/usr/bin/env bash
# Builds the shaping fuzzer with clang in its own build directory and runs it
# for a bounded time.  Usage: fuzz/run_shaping_fuzzer.sh [seconds] [build-dir]
# Needs the Debian packages clang and libclang-rt-14-dev (the libFuzzer runtime).
set -euo pipefail
seconds=${1:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
build=${2:-$root/build-fuzz}
generator=$(command -v ninja >/dev/null 2>&1 && echo "-G Ninja" || true)
cmake -S "$root" -B "$build" $generator -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DOVTA_FUZZ=ON -DOVTA_TESTS=OFF -DOVTA_FUZZ_SECONDS="$seconds" >/dev/null
cmake --build "$build" --target fuzz_shaping
