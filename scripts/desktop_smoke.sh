#!/usr/bin/env bash
# Starts the real program on a virtual X display under a real window manager (openbox) and
# checks from the X server what a user sees: at start-up the menu is on top with the focus and
# the backdrop behind it, out of the taskbar; a tool window opens exactly over the backdrop;
# after leaving the tool (by its exit button, and by its frame) the menu is on top with the
# focus again; a modal window cannot be minimized away; the backdrop's close button brings a lost
# menu back; with another program's window over its place, the open and save dialogs, their messages
# and "Loading Error" of a bad file named on the command line come up on top with the focus; a
# second start hands its file over; 30 starts with a file all return to the menu.
# Usage: scripts/desktop_smoke.sh [program]   (default build-test/vantora)
set -euo pipefail
cd "$(dirname "$0")/.."
program=$(realpath "${1:-build-test/vantora}")
wait_limit=${VANTORA_SMOKE_WAIT:-20}  # seconds for any one thing to happen

# The virtual display under openbox, the work folder and wait_for.
source scripts/virtual_desktop.sh

fail() {
  echo "desktop smoke test FAILED: $*" >&2
  sed 's/^/  program: /' "$work/program.log" >&2
  echo "  windows, bottom to top: $(stacking_roles)" >&2
  echo "  focused: $(role_of "$(active_window)")" >&2
  exit 1
}

# A program folder of its own, marked portable: the program keeps its settings beside the
# executable.
cp "$program" "$work/vantora"
touch "$work/vantora95.portable"
cp resources/samples/Dtasampl.WMS "$work/Family.wms"
start_program() {
  (cd "$work" && QT_QPA_PLATFORM=xcb ASAN_OPTIONS=detect_leaks=0 ./vantora "$@" >"$work/program.log" 2>&1) &
  program_pid=$!
  pids+=($program_pid)
}
start_program

# ---- What the X server says ----
stacking() { xprop -root -notype _NET_CLIENT_LIST_STACKING | grep -o '0x[0-9a-f]*' || true; }
active_window() { xprop -root -notype _NET_ACTIVE_WINDOW | grep -o '0x[0-9a-f]*' || true; }
# A window's role; a box or a file dialog, which has none, by its title in quotes.
role_of() {
  [ -n "$1" ] && [ "$1" != 0x0 ] || { echo "(none)"; return; }
  local role
  role=$(xprop -id "$1" -notype WM_WINDOW_ROLE 2>/dev/null | sed -n 's/.*= "\(.*\)"/\1/p')
  [ -n "$role" ] || role=\"$(xprop -id "$1" -notype _NET_WM_NAME 2>/dev/null | sed -n 's/.*= "\(.*\)"/\1/p' | tr ' ' _)\"
  echo "$role"
}
stacking_roles() { local w; for w in $(stacking); do printf '%s ' "$(role_of "$w")"; done; }
window_of() {
  local w
  for w in $(stacking); do
    if [ "$(role_of "$w")" = "$1" ]; then echo "$w"; fi
  done
}
# The X property of a window, as one line of text.
property() { xprop -id "$1" "$2" 2>/dev/null || true; }
geometry_of() { xwininfo -id "$1" | awk '/Absolute upper-left|Width:|Height:/ {print $NF}' | paste -sd' '; }

# The window with this role is the top one and has the focus; the backdrop is the bottom one.
on_top_with_focus() {
  local top bottom
  read -r -a order <<<"$(stacking_roles)"
  [ ${#order[@]} -ge 2 ] || return 1
  top=${order[-1]}
  bottom=${order[0]}
  [ "$top" = "$1" ] && [ "$bottom" = bakgnd ] && [ "$(role_of "$(active_window)")" = "$1" ]
}
expect_on_top() {
  wait_for on_top_with_focus "$1" || fail "$2: $1 should be on top with the focus, the backdrop behind it"
}
same_place_as_backdrop() {
  [ "$(geometry_of "$(window_of "$1")")" = "$(geometry_of "$(window_of bakgnd)")" ]
}
gone() { ! kill -0 "$program_pid" 2>/dev/null; }
# The modal window is kept above the window it belongs to.
transient() { [[ $(property "$1" WM_TRANSIENT_FOR) == *"window id"* ]]; }

# ---- The checks ----
expect_on_top MenuMain "at start-up"
backdrop=$(window_of bakgnd)
[[ $(property "$backdrop" _NET_WM_STATE) == *_NET_WM_STATE_SKIP_TASKBAR* ]] \
  || fail "the backdrop should not be a taskbar entry"
[[ $(property "$backdrop" _NET_WM_STATE) == *_NET_WM_STATE_BELOW* ]] \
  || fail "the backdrop should be kept below the other windows"
same_place_as_backdrop MenuMain || fail "the menu should stand exactly over the backdrop"
[[ $(property "$(window_of MenuMain)" _NET_WM_ALLOWED_ACTIONS) == *MAXIMIZE* ]] \
  && fail "the menu has a fixed size and should offer no maximize"

xdotool key alt+s  # "Planning your &Savings"
expect_on_top CalcInpt "after opening a tool"
same_place_as_backdrop CalcInpt || fail "the tool window should stand exactly over the backdrop"
xdotool key alt+x  # "E&xit to Menu"
expect_on_top MenuMain "after leaving the tool by its exit button"

xdotool key alt+f  # "&Find Annual Compound Growth"
expect_on_top FindComp "after opening another tool"
wmctrl -i -c "$(window_of FindComp)"  # the frame's close button
expect_on_top MenuMain "after closing the tool by its frame"

xdotool key alt+l  # "Persona&lize Settings", a modal window
expect_on_top SymbolFonts "with the settings window open"
settings=$(window_of SymbolFonts)
transient "$settings" || fail "a modal window should be kept with the window it belongs to"
# Minimized on its own (the window menu offers it), it comes straight back.
xdotool windowminimize "$settings"
sleep 0.3
expect_on_top SymbolFonts "after minimizing the settings window"
[[ $(property "$settings" _NET_WM_STATE) == *HIDDEN* ]] && fail "the settings window stayed minimized"
xdotool key alt+x  # "E&xit to Menu"
expect_on_top MenuMain "after leaving the settings"

# The backdrop's close button: with a tool shown it does nothing; left alone with the backdrop
# (the menu lost, as a window manager may lose it), it brings the menu back.
xdotool key alt+f  # "&Find Annual Compound Growth"
expect_on_top FindComp "before closing the backdrop under a tool"
wmctrl -i -c "$backdrop"
sleep 0.5
expect_on_top FindComp "after closing the backdrop under a tool"
xdotool key alt+x
expect_on_top MenuMain "after leaving the tool again"
xdotool windowunmap "$(window_of MenuMain)"
menu_lost() { [ -z "$(window_of MenuMain)" ]; }
wait_for menu_lost || fail "the menu could not be taken away"
wmctrl -i -c "$backdrop"
expect_on_top MenuMain "after closing the backdrop left alone"

# Another program's window over the program's place: every box and dialog still comes up on
# top of it with the focus.
xmessage -geometry 1000x800+0+0 "another program" &
pids+=($!)
other_on_top() { [ "$(xprop -id "$(stacking | tail -n 1)" WM_CLASS 2>/dev/null | grep -c xmessage)" = 1 ]; }
wait_for other_on_top || fail "the other program's window did not come up"
wmctrl -i -a "$(window_of MenuMain)"
expect_on_top MenuMain "after coming back over the other program's window"
xdotool key alt+i  # "&Investment Manager"
expect_on_top FundMenu "with the other program's window behind"
# "&Open a File from Disk" (its Alt+O is shared with "S&ort Records": a click)
xdotool mousemove --window "$(window_of FundMenu)" 180 45 click 1
expect_on_top '"Open"' "with the open dialog asked for"
xdotool key Escape
expect_on_top FundMenu "after cancelling the open dialog"
xdotool key alt+s  # "&Save Current File to Disk", nothing to save
expect_on_top '"Help"' "with \"No Records to Save\""
xdotool key Return
expect_on_top FundMenu "after \"No Records to Save\""
xdotool key alt+x  # "E&xit to Main Menu"
expect_on_top MenuMain "after leaving the fund menu"

xdotool key alt+x  # "E&xit Vantora"
wait_for gone || fail "the program should end on its exit button"
status=0
wait "$program_pid" || status=$?
[ "$status" -eq 0 ] || { cat "$work/program.log" >&2; fail "the program ended with status $status"; }

# Started with a file it cannot read: "Loading Error" on top with the focus, over the other
# program's window, then the empty statement.
wmctrl -i -a "$(stacking | tail -n 1)"
start_program Missing.wmw
expect_on_top '"Loading_Error"' "started with a missing file"
xdotool key Return
expect_on_top DispNet "after the loading error"
xdotool key alt+x  # "E&xit to Menu"
expect_on_top MenuMain "after leaving the statement"

# A second start hands its file to the running program and ends.
(cd "$work" && QT_QPA_PLATFORM=xcb ASAN_OPTIONS=detect_leaks=0 timeout 60 ./vantora Family.wms) \
  || fail "the second start did not end at once"
expect_on_top FundMenu "after a second start with a file"
sleep 1
expect_on_top FundMenu "with the handed-over file read"
xdotool key alt+x
expect_on_top MenuMain "after leaving the file the second start handed over"
xdotool key alt+x
wait_for gone || fail "the program should end on its exit button"

# Started with a file, again and again: the menu always comes back.
rounds=${VANTORA_SMOKE_ROUNDS:-30}
for round in $(seq "$rounds"); do
  start_program Family.wms
  expect_on_top FundMenu "started with a file (round $round)"
  # The fund menu goes behind the backdrop while it reads the file: a key sent then is lost.
  sleep 1
  expect_on_top FundMenu "with the file read (round $round)"
  xdotool key alt+x  # "E&xit to Main Menu"
  expect_on_top MenuMain "after leaving the file's tool (round $round)"
  xdotool key alt+x
  wait_for gone || fail "the program should end on its exit button (round $round)"
done
echo "desktop smoke test passed"
