#!/usr/bin/env bash
# rates-window.sh <bytelora program> <openbox|icewm|weston> <folder for screenshots>
#
# The small meter ("Rates Window") on a real display: under openbox, icewm, and weston's
# XWayland. It comes up where it was stored, stays above a normal window raised over it,
# stays out of the taskbar, opens the tray menu on a right-click, brings the main window
# back on a double-click, and keeps the place it was dragged to across a restart.
# Exit 77: cannot run here.
set -euo pipefail
program=$(readlink -f "$1")
wm=$2
shots=$3
label=rates-window-$wm
# shellcheck source=desktop-lib.sh
source "$(dirname "$0")/desktop-lib.sh"
need xdotool xwininfo xprop
case "$wm" in
  weston) need weston Xwayland weston-screenshooter convert ;;
  openbox | icewm) need Xvfb import "$wm" ;;
  *) echo "unknown window manager $wm"; exit 2 ;;
esac
begin

unset WAYLAND_DISPLAY SESSION_MANAGER DBUS_SESSION_BUS_ADDRESS QT_QPA_PLATFORM
case "$wm" in
  openbox)
    start_xvfb
    start_openbox
    ;;
  icewm)
    start_xvfb
    wm_home=$(fresh_home wm)
    (with_home "$wm_home" icewm >"$work/wm.log" 2>&1) &
    pids+=($!)
    until_true 20 eval 'xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"' ||
      { echo "icewm did not start"; cat "$work/wm.log"; exit 1; }
    ;;
  weston)
    unset DISPLAY
    session=$(fresh_home session)
    export XDG_RUNTIME_DIR="$session/runtime"
    weston --backend=headless-backend.so --use-pixman --xwayland --debug --idle-time=0 \
      --socket=bytelora-meter --width=1024 --height=768 >"$work/weston.log" 2>&1 &
    pids+=($!)
    x_display() { sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$work/weston.log" | head -n 1 | grep .; }
    until_true 20 test -S "$XDG_RUNTIME_DIR/bytelora-meter" && until_true 20 x_display >/dev/null || {
      echo "weston did not start"
      cat "$work/weston.log"
      exit 1
    }
    export DISPLAY WAYLAND_DISPLAY=bytelora-meter
    DISPLAY=$(x_display)
    # The X import cannot see Wayland's surfaces: weston's own screenshot.
    shot() {
      rm -f "$work"/wayland-screenshot-*.png
      (cd "$work" && weston-screenshooter >/dev/null 2>&1) || true
      mv "$work"/wayland-screenshot-*.png "$shots/$1.png" 2>/dev/null || true
    }
    ;;
esac
# Through X11 everywhere here, XWayland included.
export QT_QPA_PLATFORM=xcb

# The stored corner, "x,y" (QSettings writes the blanks in its keys as %20).
stored_place() {
  local file="$app_home/config/Quillmark/Bytelora.conf"
  echo "$(sed -n 's/^Rates\(%20\| \)Window\(%20\| \)Left=//p' "$file"),$(sed -n 's/^Rates\(%20\| \)Window\(%20\| \)Top=//p' "$file")"
}
corner_of() {
  xwininfo -id "$1" | awk '/Absolute upper-left X:/ { x = $4 } /Absolute upper-left Y:/ { y = $4 } END { print x "," y }'
}
# The meter and the main window, on the screen.
meter_window() {
  local id
  for id in $(xdotool search --name '^Bytelora Rates$' 2>/dev/null); do
    viewable "$id" && { echo "$id"; return 0; }
  done
  return 1
}
# A popup of the program (the tray menu) on the screen.
popup_menu() {
  local id
  for id in $(xdotool search --class '^bytelora$' 2>/dev/null); do
    viewable "$id" || continue
    xwininfo -id "$id" | grep -q 'Override Redirect State: yes' && { echo "$id"; return 0; }
  done
  return 1
}
no_popup() { ! popup_menu >/dev/null; }
minimised() { xprop -id "$1" _NET_WM_STATE 2>/dev/null | grep -q _NET_WM_STATE_HIDDEN || unmapped "$1"; }
shown() { viewable "$1" && ! xprop -id "$1" _NET_WM_STATE 2>/dev/null | grep -q _NET_WM_STATE_HIDDEN; }

# start <name> [settings line...]: the program in a home of its own; finds both windows.
start() {
  app_home=$(fresh_home "$1")
  shift
  settings_in "$app_home" "$@"
  (with_home "$app_home" "$program" >"$app_home/program.log" 2>&1) &
  app=$!
  main= meter=
  until_true 20 eval 'main=$(window_named Bytelora)' || { fail "the main window was not shown"; return 1; }
  until_true 20 eval 'meter=$(meter_window)' || { fail "the meter was not shown"; return 1; }
}

# red_in <screenshot> <window>: the download arrow's red shows where the window stands.
red_in() {
  local x y w h
  read -r x y < <(corner_of "$2" | tr , ' ')
  read -r w h < <(size_of "$2" | tr x ' ')
  [ -f "$1" ] && [ "$(convert "$1" -crop "${w}x${h}+${x}+${y}" +repage -fuzz 20% -fill black \
    +opaque red -fill white -opaque red -format '%[fx:maxima.r>0.5]' info: 2>/dev/null)" = 1 ]
}

if [ "$wm" = weston ]; then
  # Xwayland under weston passes no XTest input on to the compositor: nothing can click
  # or drag here, and weston's scene is not the X server's stacking order. The meter is
  # checked where the compositor draws it, in weston's own screenshots.
  step "through weston's Xwayland: the meter stands at its stored place, above the main window"
  if start xwayland 'Rates Window=On' 'Rates Window Left=120' 'Rates Window Top=140'; then
    until_true 10 eval '[ "$(corner_of "$meter")" = 120,140 ]' ||
      fail "the meter is at $(corner_of "$meter"), not at its stored 120,140"
    # The main window, mapped after the meter, covers that place in weston's layout.
    sleep 2
    shot meter-above-main
    red_in "$shots/meter-above-main.png" "$meter" || fail "the meter is not drawn above the main window"
    home_before=$app_home
    stop
    step "through weston's Xwayland: the meter keeps its place across a restart"
    app_home=$home_before
    (with_home "$app_home" "$program" >"$app_home/program.log" 2>&1) &
    app=$!
    meter=
    until_true 20 eval 'meter=$(meter_window)' || fail "the meter was not shown after the restart"
    if [ -n "$meter" ]; then
      until_true 10 eval '[ "$(corner_of "$meter")" = 120,140 ]' ||
        fail "after the restart the meter is at $(corner_of "$meter")"
      sleep 2
      shot meter-restarted
      red_in "$shots/meter-restarted.png" "$meter" || fail "after the restart the meter is not drawn"
    fi
  fi
  stop
  finish
  exit 0
fi

step "the meter comes up at its stored place, above, out of the taskbar"
if start place 'Rates Window=On' 'Rates Window Left=400' 'Rates Window Top=300'; then
  until_true 10 eval '[ "$(corner_of "$meter")" = 400,300 ]' ||
    fail "the meter is at $(corner_of "$meter"), not at its stored 400,300"
  state=$(xprop -id "$meter" _NET_WM_STATE 2>/dev/null || true)
  for atom in _NET_WM_STATE_ABOVE _NET_WM_STATE_SKIP_TASKBAR _NET_WM_STATE_SKIP_PAGER; do
    grep -q "$atom" <<<"$state" || fail "the meter's state lacks $atom ($state)"
  done

  # A normal window over the meter, raised and given the focus: the meter stays in front.
  xdotool windowmove "$main" 350 250
  xdotool windowactivate "$main" 2>/dev/null || true
  xdotool windowraise "$main"
  sleep 1
  above "$meter" "$main" || fail "the main window, raised, covers the meter"
  shot meter-above-main

  # Right-click: the tray menu opens; Escape closes it.
  xdotool mousemove --window "$meter" 8 8 click 3
  until_true 5 popup_menu >/dev/null || fail "a right-click on the meter opened no menu"
  shot meter-menu
  xdotool key Escape
  until_true 5 no_popup || xdotool mousemove 5 700 click 1

  # A double-click brings the minimised main window back.
  xdotool windowminimize "$main"
  until_true 10 minimised "$main" || fail "the main window could not be minimised"
  xdotool mousemove --window "$meter" 8 8 click --repeat 2 --delay 60 1
  until_true 10 shown "$main" || fail "a double-click on the meter did not bring the main window"

  # A drag moves it; the place is stored once it stands still.
  xdotool mousemove --window "$meter" 8 8 mousedown 1
  for _ in 1 2 3 4 5 6; do xdotool mousemove_relative -- -20 15; sleep 0.05; done
  xdotool mouseup 1
  until_true 10 eval '[ "$(corner_of "$meter")" != 400,300 ]' || fail "a drag did not move the meter"
  dragged=$(corner_of "$meter")
  until_true 10 eval '[ "$(stored_place)" = "$dragged" ]' ||
    fail "stored $(stored_place), but the meter stands at $dragged"
  shot meter-dragged
  home_before=$app_home
  stop

  step "the meter keeps its place across a restart"
  app_home=$home_before
  (with_home "$app_home" "$program" >"$app_home/program.log" 2>&1) &
  app=$!
  meter=
  until_true 20 eval 'meter=$(meter_window)' || fail "the meter was not shown after the restart"
  [ -n "$meter" ] && { until_true 10 eval '[ "$(corner_of "$meter")" = "$dragged" ]' ||
    fail "after the restart the meter is at $(corner_of "$meter"), not at $dragged"; }
  shot meter-restarted
fi
stop

step "the meter, with its chart, scales with the screen: Qt's scale factor 2 and Xft.dpi 144"
# start_scaled <name> [env...]: the meter alone with its chart; its size in $size.
start_scaled() {
  local name=$1
  shift
  app_home=$(fresh_home "$name")
  settings_in "$app_home" 'Rates Window=On' 'Rates Window Chart=On' 'Rates Window Left=200' 'Rates Window Top=100'
  (with_home "$app_home" env "$@" "$program" >"$app_home/program.log" 2>&1) &
  app=$!
  meter=
  until_true 20 eval 'meter=$(meter_window)' || { fail "the meter was not shown ($name)"; return 1; }
  sleep 1
  size=$(size_of "$meter")
  shot "meter-chart-$name"
}
# near <measured WxH> <base WxH> <factor>: each side within 3 pixels of base times factor.
near() {
  awk -v m="$1" -v b="$2" -v f="$3" 'BEGIN {
    split(m, mm, "x"); split(b, bb, "x")
    for (i = 1; i <= 2; i++) { d = mm[i] - bb[i] * f; if (d < -3 || d > 3) exit 1 }
  }'
}
if start_scaled scale-1 QT_SCALE_FACTOR=1; then
  base=$size
  stop
  if start_scaled scale-2 QT_SCALE_FACTOR=2; then
    near "$size" "$base" 2 || fail "at scale factor 2 the meter is $size, at 1 it is $base"
  fi
  stop
  if command -v xrdb >/dev/null; then
    echo 'Xft.dpi: 144' | xrdb -merge
    if start_scaled dpi-144; then
      near "$size" "$base" 1.5 || fail "at Xft.dpi 144 the meter is $size, at 96 it is $base"
    fi
    stop
    xrdb -remove
  fi
fi
stop

step "a stored place off every screen is brought back onto one"
if start offscreen 'Rates Window=On' 'Rates Window Left=5000' 'Rates Window Top=-4000'; then
  read -r x y < <(corner_of "$meter" | tr , ' ')
  read -r w h < <(size_of "$meter" | tr x ' ')
  [ "$x" -ge 0 ] && [ "$y" -ge 0 ] && [ $((x + w)) -le 1024 ] && [ $((y + h)) -le 768 ] ||
    fail "the meter stands at $x,$y (${w}x$h), off the 1024x768 screen"
fi
stop

finish
