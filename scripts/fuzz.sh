#!/usr/bin/env bash
# Builds the libFuzzer harnesses of tests/fuzz with clang, AddressSanitizer
# and UndefinedBehaviorSanitizer in build-fuzz/, and runs each for SECONDS
# (default 30), one after the other, starting from the seeds in
# tests/fuzz/corpus/. Inputs found along the way go to build-fuzz/corpus/,
# crashes to build-fuzz/artifacts/. Exit status is non-zero when any
# harness fails.
#   scripts/fuzz.sh [SECONDS]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-30}"
build="$root/build-fuzz"

"$root/scripts/install-deps.sh"
if ! command -v clang++ >/dev/null 2>&1; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends clang
fi

launcher=()
if command -v ccache >/dev/null 2>&1; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DNIRA_FUZZ=ON -DNIRA_SANITIZE=ON -DNIRA_BENCH=OFF "${launcher[@]}" >/dev/null
cmake --build "$build" -j"$(nproc)" --target nira_fuzzers

export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
status=0
for seeds in "$root"/tests/fuzz/corpus/*/; do
  name="$(basename "$seeds")"
  corpus="$build/corpus/$name"
  artifacts="$build/artifacts/$name/"
  mkdir -p "$corpus" "$artifacts"
  echo "== $name: ${seconds}s"
  if ! "$build/bin/$name" -max_total_time="$seconds" -print_final_stats=1 \
       -artifact_prefix="$artifacts" "$corpus" "$seeds" 2>"$build/$name.log"; then
    echo "$name FAILED; see $build/$name.log and $artifacts"
    tail -n 40 "$build/$name.log"
    status=1
  fi
  grep -E "^stat::(number_of_executed_units|average_exec_per_sec|new_units_added)" "$build/$name.log" || true
done
exit $status
