#!/usr/bin/env bash
# Reads the real program as a screen reader does: on a virtual X display under openbox, with a
# session bus and the accessibility bus, scripts/atspi_walk.py opens every window from the menu
# and fails on a focusable object without a name, a name that is a figure, or a window that
# is not a frame or dialog named by its title.
# Usage: scripts/atspi_check.sh [program] [--transcript]   (default build-test/vantora)
set -euo pipefail
cd "$(dirname "$0")/.."
program=$(realpath "${1:-build-test/vantora}")
shift || true
wait_limit=20

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

wait_for() {
  local deadline=$((SECONDS + wait_limit))
  until "$@" 2>/dev/null; do
    [ $SECONDS -lt $deadline ] || return 1
    sleep 0.1
  done
}

Xvfb -displayfd 9 -screen 0 1280x1024x24 -nolisten tcp 9>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
wait_for test -s "$work/display" || { cat "$work/xvfb.log" >&2; echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n 1 "$work/display")"
openbox --sm-disable >"$work/openbox.log" 2>&1 &
pids+=($!)
wm_ready() { [[ $(xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null) == *"window id"* ]]; }
wait_for wm_ready || { echo "openbox did not start" >&2; exit 1; }

# Debian's own Python: python3-pyatspi installs there, whatever python3 is first on the PATH.
export NO_AT_BRIDGE=0 GTK_MODULES=
dbus-run-session -- /usr/bin/python3 scripts/atspi_walk.py "$program" "$@"
