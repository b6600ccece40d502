#!/usr/bin/env bash
# Start-up to a painted main menu against a bare Qt window, offscreen and then under Xvfb, and the
# peak memory with the largest portfolio, its value table and its chart open. Exits non-zero
# (after both runs) when start-up passes 1.15 x the bare window in time or memory, or the largest
# portfolio 1.5 x the start-up peak.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-21}
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DVANTORA_BENCH=ON -DVANTORA_TESTS=OFF >/dev/null
cmake --build build-bench --target startup_probe
status=0
echo "== offscreen"
QT_QPA_PLATFORM=offscreen build-bench/startup_probe compare "$runs" || status=1
echo "== Xvfb"
env -u QT_QPA_PLATFORM xvfb-run -a -s "-screen 0 1280x1024x24" build-bench/startup_probe compare "$runs" || status=1
if [ "$status" -ne 0 ]; then echo "startup.sh: FAILED (see above)" >&2; fi
exit "$status"
