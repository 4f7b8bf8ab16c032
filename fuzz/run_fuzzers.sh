#!/usr/bin/env bash
# Builds every fuzz target with clang in its own build directory and runs
# each for a bounded time, starting from the seeds cut from the demo
# content and from the corpus earlier runs kept in <build-dir>/corpus; as
# many targets run at once as there are cores (OVTA_FUZZ_JOBS).
# Usage: fuzz/run_fuzzers.sh [seconds-each] [build-dir] [target...]
# Needs the Debian packages clang and libclang-rt-14-dev (the libFuzzer runtime).
set -euo pipefail
seconds=${1:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
build=${2:-$root/build-fuzz}
shift $(( $# > 2 ? 2 : $# ))
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(store reading books question lists shaping)
generator=$(command -v ninja >/dev/null 2>&1 && echo "-G Ninja" || true)
cmake -S "$root" -B "$build" $generator -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DOVTA_FUZZ=ON -DOVTA_TESTS=OFF >/dev/null
cmake --build "$build" --target fuzzers -j "${OVTA_FUZZ_JOBS:-$(nproc)}"
# One target a core at a time; each keeps its own log.
fuzz_one() {
  local t=$1
  mkdir -p "$build/corpus/$t" "$build/artifacts"
  if ! "$build/fuzz/${t}_fuzzer" -max_total_time="$seconds" -print_final_stats=1 \
      -rss_limit_mb=2048 -artifact_prefix="$build/artifacts/$t-" \
      "$build/corpus/$t" "$build/fuzz/seeds/$t" 2>"$build/fuzz-$t.log"; then
    echo "fail" >"$build/fuzz-$t.status"
  else
    echo "ok" >"$build/fuzz-$t.status"
  fi
}
parallel=${OVTA_FUZZ_JOBS:-$(nproc)}
running=0
for t in "${targets[@]}"; do
  echo "== fuzzing $t for ${seconds} s =="
  rm -f "$build/fuzz-$t.status"
  fuzz_one "$t" &
  running=$((running + 1))
  if [ "$running" -ge "$parallel" ]; then
    wait -n || true
    running=$((running - 1))
  fi
done
wait
status=0
for t in "${targets[@]}"; do
  echo "== $t =="
  if [ "$(cat "$build/fuzz-$t.status" 2>/dev/null)" != ok ]; then
    tail -n 60 "$build/fuzz-$t.log"
    echo "fuzzing $t found a fault; the input is in $build/artifacts" >&2
    status=1
  else
    grep -E '^(#[0-9]+.*DONE|Done|stat::)' "$build/fuzz-$t.log" || tail -n 3 "$build/fuzz-$t.log"
  fi
done
exit $status
