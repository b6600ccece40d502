#!/usr/bin/env bash
# Start-up to a painted main menu against a bare Qt window: offscreen, then under Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-21}
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DVANTORA_BENCH=ON -DVANTORA_TESTS=OFF >/dev/null
cmake --build build-bench --target startup_probe
echo "== offscreen"
QT_QPA_PLATFORM=offscreen build-bench/startup_probe compare "$runs"
echo "== Xvfb"
env -u QT_QPA_PLATFORM xvfb-run -a -s "-screen 0 1280x1024x24" build-bench/startup_probe compare "$runs"
