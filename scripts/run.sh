#!/usr/bin/env bash
# Builds Vantora 95 and starts it. With no display, it runs under Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTORA_TESTS=OFF >/dev/null
cmake --build build --target vantora
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display: Vantora 95 runs on a virtual display (Xvfb), out of sight; stop it with Ctrl+C."
  exec xvfb-run -a -s "-screen 0 1280x1024x24" build/vantora "$@"
fi
exec build/vantora "$@"
