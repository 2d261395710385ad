#!/usr/bin/env bash
# Runs inside xvfb-run (a 1280 x 1024 screen). Starts openbox and the program, then checks:
# - the window's outer rectangle, frame included, is 580 x 600 at (1280 / 2 - 275, 50);
# - Alt+F4 and Enter ("Ano", the question's default) end the process with status 0 within a
#   moment although the help window "Nápověda k tématu" is open.
# Arguments: the program, and a folder for the screenshot of the screen.
set -euo pipefail
program=$1
screenshots=$2
work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAILED: $*" >&2; [ -s "$work/log" ] && cat "$work/log" >&2; exit 1; }

# Polls `condition` (a command) every 0.1 s for at most `seconds`.
wait_for() {
  local seconds=$1; shift
  for _ in $(seq $((seconds * 10))); do "$@" && return 0; sleep 0.1; done
  return 1
}
window_manager_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
find_window() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1; }
window_shown() { [ -n "$(find_window "$1")" ]; }

# The outer rectangle "x y width height" of window $1: its inner geometry and the frame extents
# the window manager announces.
outer_rectangle() {
  local info x y w h extents l r t b
  info=$(xwininfo -id "$1")
  x=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")
  y=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")
  w=$(sed -n 's/.*Width: *//p' <<<"$info")
  h=$(sed -n 's/.*Height: *//p' <<<"$info")
  extents=$(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.*= *//p' | tr -d ' ')
  [ -n "$extents" ] || { echo "no frame"; return; }
  IFS=, read -r l r t b <<<"$extents"
  echo "$((x - l)) $((y - t)) $((w + l + r)) $((h + t + b))"
}

openbox --sm-disable >/dev/null 2>&1 &
pids+=($!)
wait_for 20 window_manager_running || fail "openbox did not start"

export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset KALVORA_SCREENSHOT KALVORA_QUIT_AFTER_SHOW
cd "$(dirname "$program")"
QT_QPA_PLATFORM=xcb "$program" 2>"$work/log" &
program_pid=$!
pids+=("$program_pid")
wait_for 30 window_shown "Kalvora 5.0.9" || fail "the main window did not appear"
main=$(find_window "Kalvora 5.0.9")

expected="$((1280 / 2 - 275)) 50 580 600"
outer_is_expected() { [ "$(outer_rectangle "$main")" = "$expected" ]; }
if ! wait_for 10 outer_is_expected; then
  fail "outer rectangle (x y width height) is '$(outer_rectangle "$main")', not '$expected'"
fi
mkdir -p "$screenshots"
sleep 0.5  # the first paint after the resize
if command -v import >/dev/null; then
  import -window root "$screenshots/desktop_openbox.png" && echo "screenshot: $screenshots/desktop_openbox.png"
fi
echo "outer rectangle (x y width height): $expected"

# The form "Proud" has the focus on its first input; Tab twice more reaches OK, once more Help.
xdotool windowactivate --sync "$main" key --delay 100 Tab Tab Tab space
wait_for 10 window_shown "Nápověda k tématu" || fail "the help window did not open"

xdotool windowactivate --sync "$main" key alt+F4
question_shown() { [ "$(xdotool search --onlyvisible --name '^Kalvora 5.0.9$' | wc -l)" -ge 2 ]; }
wait_for 10 question_shown || fail "Alt+F4 did not ask"
question_active() {
  local active
  active=$(xdotool getactivewindow 2>/dev/null) && [ "$active" != "$main" ] &&
    [ "$(xdotool getwindowname "$active")" = "Kalvora 5.0.9" ]
}
wait_for 10 question_active || fail "the question did not take the keyboard"
xdotool key Return
ended() { ! kill -0 "$program_pid" 2>/dev/null; }
wait_for 10 ended || fail "the program still runs 10 s after \"Ano\""
status=0
wait "$program_pid" || status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status"
echo "Alt+F4 and Ano ended the program with status 0 while the help window was open"
