#!/usr/bin/env bash
# desktop-suite.sh <bytelora program> <openbox|icewm> <folder for screenshots>
#                  [<bytelora-countd> <countd_traffic_peer>]
#
# The real program on a real X server (Xvfb) under a real window manager with a tray
# host, driven the way a user drives it (xdotool, wmctrl) and checked the way the desktop
# sees it (xwininfo, xprop): minimise to the tray and back, a hidden start, a close while
# start-up waits for its balloon, the interval list, the stacking of the two windows, the
# Interfaces dialog with a chosen interface that is away, and the Applications window from
# the tray menu while traffic flows (with the per-application counter when it is given and
# this runs as root; without, the window's notice).
# Each program start gets a fresh home, XDG folders and TEMP; nothing of the user's own is
# touched. Every wait polls up to a bound; nothing is timed. Exit 77: cannot run here.
set -euo pipefail
program=$(readlink -f "$1")
wm=$2
shots=$3
countd=${4:-}
peer=${5:-}
label=$wm
# shellcheck source=desktop-lib.sh
source "$(dirname "$0")/desktop-lib.sh"

need Xvfb xdotool xwininfo xprop wmctrl import sqlite3 "$wm"
[ "$wm" = openbox ] && need trayer  # openbox has no notification area of its own
begin

# ---- The display, the window manager and the tray host ----

start_xvfb
unset WAYLAND_DISPLAY SESSION_MANAGER DBUS_SESSION_BUS_ADDRESS
export QT_QPA_PLATFORM=xcb

case "$wm" in
  openbox) start_openbox ;;
  icewm)
    wm_home=$(fresh_home wm)
    (with_home "$wm_home" icewm >"$work/wm.log" 2>&1) &
    pids+=($!)
    until_true 20 eval 'xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"' ||
      { echo "icewm did not start"; cat "$work/wm.log"; exit 1; }
    ;;
  *) echo "unknown window manager $wm"; exit 2 ;;
esac
if [ "$wm" = openbox ]; then
  (with_home "$(fresh_home tray)" trayer --edge top --align right --widthtype request --height 24 \
    --SetDockType true >"$work/trayer.log" 2>&1) &
  pids+=($!)
fi

# ---- Looking at windows ----

active() { xprop -root _NET_ACTIVE_WINDOW | grep -qw "$(hex "$1")"; }
alive() { kill -0 "$app" 2>/dev/null; }
ended() { ! alive; }
corner_of() {
  xwininfo -id "$1" | awk '/Absolute upper-left X:/ { x = $4 } /Absolute upper-left Y:/ { y = $4 } END { print x "," y }'
}
# The tray icon: the program's own small window, docked in the tray host.
tray_icon() { xembed_icon; }
# Windows of the program that float above the rest (the balloon), other than the tray icon.
balloon() {
  local id
  for id in $(xdotool search --class '^bytelora$' 2>/dev/null); do
    viewable "$id" || continue
    xwininfo -id "$id" | grep -q 'Override Redirect State: yes' || continue
    [ "$(size_of "$id")" = "$(size_of "$tray")" ] && continue
    echo "$id"
    return 0
  done
  return 1
}
no_balloon() { ! balloon >/dev/null; }
error_box() { xdotool search --name '^Application Error$' 2>/dev/null | grep -q .; }

# start <name> [settings line...]: starts the program with a home of its own.
start() {
  local home
  home=$(fresh_home "$1")
  shift
  settings_in "$home" "$@"
  app_home=$home
  (with_home "$home" "$program" >"$home/program.log" 2>&1) &
  app=$!
  until_true 20 eval 'tray=$(tray_icon)' || { fail "no tray icon"; return 1; }
}
click_tray() { xdotool mousemove --window "$tray" 12 12 click 1; }

# ---- Minimise to the tray and back ----

step "minimise, restore from the tray, minimise again"
if start minimise; then
  until_true 20 eval 'main=$(window_named Bytelora)' || fail "the window was not shown"
  until_true 10 active "$main" || fail "the window did not get the focus at start"
  before=$(corner_of "$main")
  shot started

  xdotool windowminimize "$main"
  until_true 10 unmapped "$main" || fail "a minimise left the window on the screen"
  until_true 10 unmanaged "$main" || fail "a minimise left the window in the task bar"
  until_true 10 balloon >/dev/null || fail "no balloon after the first minimise"
  shot minimised
  # A click on the balloon ends it, and with it the program's wait.
  if b=$(balloon); then xdotool mousemove --window "$b" 20 20 click 1; fi
  until_true 10 no_balloon || fail "the balloon did not go on a click"
  # Still hidden once the minimise has been handled to its end.
  viewable "$main" && fail "the window came back on the screen after the minimise"
  managed "$main" && fail "the window came back to the task bar after the minimise"

  click_tray
  until_true 10 viewable "$main" || fail "a tray click did not show the window"
  until_true 10 active "$main" || fail "a tray click did not give the window the focus"
  xprop -id "$main" _NET_WM_STATE | grep -q HIDDEN && fail "the window came back minimised"
  [ "$(corner_of "$main")" = "$before" ] || fail "the window came back at $(corner_of "$main"), not $before"
  shot restored

  xdotool windowminimize "$main"
  until_true 10 unmapped "$main" || fail "a second minimise left the window on the screen"
  until_true 10 unmanaged "$main" || fail "a second minimise left the window in the task bar"
  # A second balloon would come at once with the hide.
  until_true 2 balloon >/dev/null && fail "a second minimise showed a second balloon"
  viewable "$main" && fail "the window came back on the screen after the second minimise"
  managed "$main" && fail "the window came back to the task bar after the second minimise"
  click_tray
  until_true 10 viewable "$main" || fail "the second tray click did not show the window"
fi
stop

# ---- The interval list and the graph window ----

step "Ctrl+click on the interval list, the graph window behind the main window"
if start list; then
  until_true 20 eval 'main=$(window_named Bytelora)' || fail "the window was not shown"
  # One of the first entries of the interval list (its top is 2880 twips down, under a
  # header row): a plain click chooses it, a Ctrl+click on it must not empty the list.
  xdotool mousemove --window "$main" 100 $((2880 / 15 + 30)) click 1
  until_true 10 grep -q '^OftenIndex=' "$app_home/config/Quillmark/Bytelora.conf" ||
    fail "the click missed the interval list"
  # A little aside, so that the two clicks do not make a double click.
  xdotool mousemove_relative 12 0 keydown ctrl click 1 keyup ctrl
  # Logging runs: a list without a choice gives a box at the next tick.
  until_true 3 error_box && fail "a Ctrl+click on the interval list brought up an error box"
  shot interval-list

  # "View History Graph" is 4080, 5400 twips from the window's corner, 3840 by 405.
  xdotool mousemove --window "$main" $(((4080 + 3840 / 2) / 15)) $(((5400 + 405 / 2) / 15)) click 1
  until_true 10 eval 'graph=$(window_named "Bandwidth Graph")' || fail "the graph window did not show"
  if [ -n "${graph:-}" ]; then
    xprop -id "$graph" WM_TRANSIENT_FOR | grep -q 'window id' &&
      fail "the graph window is transient for another window"
    until_true 10 eval 'xprop -id "$graph" _NET_WM_STATE | grep -q _NET_WM_STATE_SKIP_TASKBAR' ||
      fail "the graph window is in the task bar"
    until_true 10 above "$graph" "$main" || fail "the graph window did not come up in front"
    # A click on the main window's own background, away from the graph window.
    xdotool mousemove --window "$main" 4 4 click 1
    until_true 10 above "$main" "$graph" || fail "the main window cannot be raised above the graph window"
    shot main-above-graph
  fi
fi
stop

# ---- A hidden start, and a close while start-up waits for its balloon ----

step "hidden start, then a tray click"
if start hidden 'Windows Startup=On' 'Minimized=On'; then
  main=
  for id in $(xdotool search --name '^Bytelora$' 2>/dev/null); do
    viewable "$id" && fail "a hidden start showed the window"
  done
  shot hidden-start
  click_tray
  until_true 10 eval 'main=$(window_named Bytelora)' || fail "a tray click did not show the window"
  [ -n "$main" ] && { until_true 10 active "$main" || fail "a tray click did not give the window the focus"; }
  shot hidden-start-restored
fi
stop

# A click on the icon ends the balloon here, and with it the wait; starting the program
# again brings the window forward without touching the balloon.
step "hidden start, the window brought forward and closed while start-up waits"
if start closing 'Windows Startup=On' 'Minimized=On'; then
  main=
  (with_home "$app_home" timeout 20 "$program" >"$app_home/second.log" 2>&1) || true
  until_true 10 eval 'main=$(window_named Bytelora)' || fail "a second start did not show the window"
  if [ -n "$main" ]; then
    # The balloon stays up as long as start-up waits for it.
    in_wait=yes
    balloon >/dev/null || in_wait=no
    wmctrl -i -c "$(hex "$main")"
    until_true 2 ended || fail "a close during the start-up balloon left the program running"
    [ "$in_wait" = yes ] ||
      echo "   note: start-up had finished waiting for its balloon before the close came"
  fi
fi
stop

# ---- The Interfaces dialog, with a chosen interface that is away ----

step "the Interfaces dialog from the tray menu, a chosen interface unplugged"
if start interfaces 'Interfaces=usb9'; then
  # The usage history last saw usb9 under an alias; the dialog names it by that alias.
  usage_db=$app_home/data/Bytelora/usage.sqlite
  until_true 10 test -s "$usage_db" || fail "no usage history at start"
  sqlite3 -cmd '.timeout 5000' "$usage_db" \
    "INSERT OR REPLACE INTO state(key, value) VALUES ('alias:usb9', 'Phone tether')" ||
    fail "could not give usb9 an alias in the usage history"
  xdotool mousemove --window "$tray" 12 12 click 3
  sleep 0.5
  xdotool key Down Down Return
  until_true 10 eval 'dialog=$(window_named Interfaces)' ||
    fail "Interfaces... in the tray menu did not open the dialog"
  [ -n "${dialog:-}" ] && shot interfaces-away
fi
stop

# ---- The Applications window, while traffic flows ----

step "the Applications window from the tray menu, while traffic flows"
counter_socket=$work/countd.socket
if [ -n "$countd" ] && [ "$(id -u)" -eq 0 ]; then
  "$countd" --socket "$counter_socket" --user nobody >"$work/countd.log" 2>&1 &
  pids+=($!)
  until_true 10 test -S "$counter_socket" ||
    echo "   note: no counter ($(head -1 "$work/countd.log")); the window shows its notice"
fi
if [ -n "$peer" ]; then
  # About ten seconds of UDP on loopback, paced: a steady rate for the window to show,
  # from a sender and to a receiver with executables of their own.
  cp "$peer" "$work/video-receiver"
  cp "$peer" "$work/video-sender"
  "$work/video-receiver" udp-sink 6122 1000000000 "$work/sink-ready" >/dev/null 2>&1 &
  pids+=($!)
  until_true 10 test -e "$work/sink-ready" || true
  "$work/video-sender" udp-send 127.0.0.1 6122 1000000 1000 >/dev/null 2>&1 &
  traffic=$!
  pids+=($traffic)
fi
export BYTELORA_COUNTD_SOCKET=$counter_socket
if start applications; then
  # The menu's entries: Show Bytelora, Interfaces..., Data usage..., Applications...
  xdotool mousemove --window "$tray" 12 12 click 3
  sleep 0.5
  xdotool key Down Down Down Down Return
  until_true 10 eval 'apps=$(window_named "Bytelora - Applications")' ||
    fail "Applications... in the tray menu did not open the window"
  if [ -n "${apps:-}" ]; then
    # Two refreshes, so that the rates are those of a whole second.
    sleep 2.5
    shot applications
  fi
fi
stop
unset BYTELORA_COUNTD_SOCKET
[ -n "${traffic:-}" ] && kill "$traffic" 2>/dev/null || true

finish
