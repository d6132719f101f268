#!/usr/bin/env bash
# wayland.sh <bytelora program> <folder for screenshots>
#
# The real program in a Wayland session: weston on its headless backend with XWayland.
# By default the window goes through XWayland (an X11 window that minimises to the tray
# and keeps its place); with QT_QPA_PLATFORM=wayland it runs natively, writes its history
# and never loses its window: a hidden start without a tray shows it, never minimised out
# of reach, and a second start brings it forward. Exit 77: cannot run here.
set -euo pipefail
program=$(readlink -f "$1")
shots=$2
label=wayland
# shellcheck source=desktop-lib.sh
source "$(dirname "$0")/desktop-lib.sh"
need weston Xwayland weston-screenshooter xdotool xwininfo xprop
begin

unset DISPLAY WAYLAND_DISPLAY SESSION_MANAGER DBUS_SESSION_BUS_ADDRESS QT_QPA_PLATFORM
session=$(fresh_home session)
export XDG_RUNTIME_DIR="$session/runtime" XDG_SESSION_TYPE=wayland
# --debug offers the screenshot protocol; pixman draws without a GPU.
weston --backend=headless-backend.so --use-pixman --xwayland --debug --idle-time=0 \
  --socket=bytelora-wayland --width=1024 --height=768 >"$work/weston.log" 2>&1 &
pids+=($!)
x_display() { sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$work/weston.log" | head -n 1 | grep .; }
until_true 20 test -S "$XDG_RUNTIME_DIR/bytelora-wayland" && until_true 20 x_display >/dev/null || {
  echo "weston did not start"
  cat "$work/weston.log"
  exit 1
}
export WAYLAND_DISPLAY=bytelora-wayland DISPLAY
DISPLAY=$(x_display)

# wayland_shot <name>: weston's own screenshot of the whole output.
wayland_shot() {
  rm -f "$work"/wayland-screenshot-*.png
  (cd "$work" && weston-screenshooter >/dev/null 2>&1) || true
  mv "$work"/wayland-screenshot-*.png "$shots/$1.png" 2>/dev/null || true
}
# The X import of the lib cannot see Wayland's surfaces.
shot() { wayland_shot "$1"; }

run() {  # run <name> [env...] -- [settings line...]: starts the program in a fresh home
  app_home=$(fresh_home "$1")
  shift
  local vars=()
  while [ $# -gt 0 ] && [ "$1" != -- ]; do vars+=("$1"); shift; done
  [ $# -gt 0 ] && shift
  settings_in "$app_home" "$@"
  (with_home "$app_home" env XDG_RUNTIME_DIR="$XDG_RUNTIME_DIR" "${vars[@]}" "$program" \
    >"$app_home/program.log" 2>&1) &
  app=$!
}
log_lines() { [ -f "$app_home/temp/Bytelora.txt" ] && wc -l <"$app_home/temp/Bytelora.txt" || echo 0; }

step "by default the window is an X11 window on XWayland"
run xwayland --
main=
until_true 20 eval 'main=$(window_named Bytelora)' || fail "no Bytelora window on XWayland"
xprop -id "${main:-0}" WM_CLASS 2>/dev/null | grep -qi bytelora || fail "the XWayland window is not Bytelora's"
until_true 10 eval '[ "$(log_lines)" -ge 1 ]' || fail "no history written"
shot xwayland
stop

step "QT_QPA_PLATFORM=wayland: native, writes its history, a hidden start without a tray is shown"
if ! ls /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so >/dev/null 2>&1; then
  echo "   skipped: Qt's Wayland platform (qt6-wayland) is not installed"
else
  run native QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client -- 'OftenIndex=1' 'Windows Startup=On' 'Minimized=On'
  until_true 20 eval '[ "$(log_lines)" -ge 2 ]' || fail "the native program wrote no history"
  grep -q 'xdg_toplevel@[0-9]*\.set_title("Bytelora")' "$app_home/program.log" ||
    fail "no Wayland window titled Bytelora"
  window_named Bytelora >/dev/null && fail "the native program made an X11 window"
  grep -q 'set_minimized' "$app_home/program.log" &&
    fail "the window was minimised where nothing may bring it back"
  shot native-hidden-start
  # A second start brings the running window forward and ends. Under the sanitizers its
  # leak check is off: Qt's Wayland platform leaves libwayland-client's allocations to
  # the end of the process, which this start reaches early.
  (with_home "$app_home" env XDG_RUNTIME_DIR="$XDG_RUNTIME_DIR" QT_QPA_PLATFORM=wayland \
    ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" \
    timeout 20 "$program" >"$app_home/second.log" 2>&1) || {
    fail "the second start did not hand over"
    sed 's/^/   | /' "$app_home/second.log"
  }
  kill -0 "$app" 2>/dev/null || fail "the first program ended on a second start"
  shot native-second-start
  # Keep the trace out of the report: it holds every request.
  : >"$app_home/program.log"
  stop
fi

finish
