#!/usr/bin/env bash
# Builds everything and runs the whole test suite.
#   scripts/test.sh             the ordinary build, in build/
#   scripts/test.sh --sanitize  AddressSanitizer + UndefinedBehaviorSanitizer, in build-asan/
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"

build="$root/build"
flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
if [ "${1:-}" = "--sanitize" ]; then
  build="$root/build-asan"
  flags+=(-DNIRA_SANITIZE=ON -DNIRA_BENCH=OFF)
  export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}"
  export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
fi
cmake -S "$root" -B "$build" "${flags[@]}" >/dev/null
cmake --build "$build" -j"$(nproc)"
cd "$build"
ctest --output-on-failure -j"$(nproc)"
