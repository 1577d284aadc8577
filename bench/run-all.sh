#!/usr/bin/env bash
# Every speed figure in one run on one machine: the in-process lookups and
# the digest (nira_bench, minimum of 7 repetitions), the command line
# against sdcv and md5sum (compare-sdcv.sh), and launch to first window
# (launch-time.sh, on its own Xvfb). Not part of the test suite.
#
#   bench/run-all.sh [BUILD_DIR] [DISPLAY_NUMBER]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$root/build}" && pwd)"
display="${2:-93}"

echo "== in process (nira_bench), minimum of 7 repetitions"
NIRA_DATA_DIR="$build/bin" "$build/bin/nira_bench" --benchmark_repetitions=7 \
  --benchmark_format=json 2>/dev/null | python3 -c '
import json, sys
best = {}
for b in json.load(sys.stdin)["benchmarks"]:
    if b.get("run_type") == "iteration":
        name = b["run_name"]
        best[name] = min(best.get(name, float("inf")), b["cpu_time"] * {"ns": 1, "us": 1e3, "ms": 1e6}[b["time_unit"]])
for name, ns in best.items():
    print(f"{name:45s} {ns / 1e3:10.2f} us" if ns < 1e6 else f"{name:45s} {ns / 1e6:10.2f} ms")
'
echo "== command line against sdcv and md5sum"
bash "$root/bench/compare-sdcv.sh" "$build" 2>/dev/null
echo "== launch"
bash "$root/bench/launch-time.sh" "$build" "$display"
