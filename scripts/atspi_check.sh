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

# The virtual display under openbox, the work folder and wait_for.
source scripts/virtual_desktop.sh

# Debian's own Python: python3-pyatspi installs there, whatever python3 is first on the PATH.
export NO_AT_BRIDGE=0 GTK_MODULES=
dbus-run-session -- /usr/bin/python3 scripts/atspi_walk.py "$program" "$@"
