# Sourced by the scripts that use the real program on a virtual desktop: a work folder removed on
# exit with everything started in it ($pids), a configuration folder of its own, wait_for, and an
# Xvfb display (1280x1024) under openbox, exported as DISPLAY. Set wait_limit first.
work=$(mktemp -d)
# Window places and the like that earlier runs remembered are not this run's.
export XDG_CONFIG_HOME="$work/config"
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# Waits until the command succeeds, at most wait_limit seconds.
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
