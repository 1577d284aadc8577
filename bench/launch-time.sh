#!/usr/bin/env bash
# Launch to first window: from starting nira to its window being mapped on
# an X server (the welcome text is set before the window is shown). Runs on
# its own Xvfb, with no window manager, and prints the minimum of the runs.
# Not part of the test suite.
#
#   bench/launch-time.sh [BUILD_DIR] [DISPLAY_NUMBER] [RUNS]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$root/build}" && pwd)"
display=":${2:-93}"
runs="${3:-15}"
command -v Xvfb >/dev/null && command -v xev >/dev/null ||
  { echo "needs Xvfb and xev (xvfb, x11-utils)" >&2; exit 1; }

work="$(mktemp -d "${TMPDIR:-/tmp}/nira-launch.XXXXXX")"
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 50); do xprop -display "$display" -root >/dev/null 2>&1 && break; sleep 0.1; done
mkdir -p "$work/home" "$work/runtime" && chmod 700 "$work/runtime"

HOME="$work/home" XDG_CONFIG_HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" NIRA_DATA_DIR="$build/bin" DISPLAY="$display" \
python3 - "$build/bin/nira" "$runs" <<'PY'
import os, signal, subprocess, sys, time
nira, runs = sys.argv[1], int(sys.argv[2])
times = []
for _ in range(runs):
    watch = subprocess.Popen(["stdbuf", "-oL", "xev", "-root", "-event", "substructure"],
                             stdout=subprocess.PIPE, text=True, bufsize=1)
    time.sleep(0.2)  # xev is listening
    start = time.perf_counter()
    app = subprocess.Popen([nira], env=dict(os.environ, QT_QPA_PLATFORM="xcb"))
    for line in watch.stdout:
        if line.startswith("MapNotify"):
            times.append(time.perf_counter() - start)
            break
    app.send_signal(signal.SIGTERM)
    app.wait()
    watch.kill()
    watch.wait()
print(f"launch to first window: min {min(times) * 1e3:.1f} ms, "
      f"median {sorted(times)[len(times) // 2] * 1e3:.1f} ms over {len(times)} runs")
PY
