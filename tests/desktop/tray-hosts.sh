#!/usr/bin/env bash
# tray-hosts.sh <bytelora program> <folder for screenshots>
#
# The real program with notification areas as users meet them, on a virtual X display
# under openbox: a StatusNotifierItem host (lxqt-panel with only its statusnotifier
# plugin, on a session bus of its own) started before the program and 8 s after a hidden
# start, and an XEmbed tray (trayer) killed while the window is hidden in it and started
# again. Each program start gets a fresh home; every wait polls up to a bound.
# Exit 77: cannot run here.
set -euo pipefail
program=$(readlink -f "$1")
shots=$2
label=tray-hosts
# shellcheck source=desktop-lib.sh
source "$(dirname "$0")/desktop-lib.sh"
need Xvfb xdotool xwininfo xprop import openbox trayer lxqt-panel dbus-daemon dbus-send
begin

start_xvfb
unset WAYLAND_DISPLAY SESSION_MANAGER DBUS_SESSION_BUS_ADDRESS QT_QPA_PLATFORM
start_openbox

start_app() {  # start_app <name> [settings line...]
  app_home=$(fresh_home "$1")
  shift
  settings_in "$app_home" "$@"
  (with_home "$app_home" "$program" >"$app_home/program.log" 2>&1) &
  app=$!
}

# ---- A session bus and the StatusNotifierItem host ----

panel_home=$(panel_home)
panel=
start_panel() {
  (with_home "$panel_home" lxqt-panel >>"$work/panel.log" 2>&1) &
  panel=$!
  pids+=($panel)
}
# The program's item as the watcher lists it: "<service>/<path>".
item=
item_registered() {
  item=$(watcher_items | head -n 1)
  [ -n "$item" ]
}
item_property() { property "${item%%/*}" "/${item#*/}" org.kde.StatusNotifierItem "$1"; }
# The panel's own window, and a place in it: the item is the rightmost entry.
panel_window() {
  local id
  for id in $(xdotool search --class '^lxqt-panel$' 2>/dev/null); do
    viewable "$id" || continue
    [ "$(size_of "$id" | cut -dx -f1)" -ge 500 ] && { echo "$id"; return 0; }
  done
  return 1
}
click_item() {  # click_item <button>
  local p w h
  p=$(panel_window) || { fail "no panel on the screen"; return 1; }
  read -r w h < <(size_of "$p" | tr x ' ')
  xdotool mousemove --window "$p" $((w - 14)) $((h / 2)) click "$1"
}
# click_item_until <seconds> <command...>: left clicks on the item until the command
# succeeds or time is up. The panel places an item only once it has fetched its picture
# over the bus, which a slow (sanitized) program answers late; a click before that
# lands on the empty panel, and a user would click again.
click_item_until() {
  local limit=$1 end
  shift
  end=$((SECONDS + limit))
  while :; do
    click_item 1 || return 1
    until_true 3 "$@" && return 0
    [ "$SECONDS" -ge "$end" ] && return 1
    echo "   note: clicked the item again"
  done
}
# A pop-up of the panel: its tool tip or its menu.
panel_popup() {
  local id
  for id in $(xdotool search --class '^lxqt-panel$' 2>/dev/null); do
    viewable "$id" || continue
    xwininfo -id "$id" | grep -q 'Override Redirect State: yes' && { echo "$id"; return 0; }
  done
  return 1
}
no_panel_popup() { ! panel_popup >/dev/null; }

step "a StatusNotifierItem host started first: icon, tip, menu, click, minimise"
new_bus
start_panel
until_true 20 sni_host_ready || fail "lxqt-panel did not become a StatusNotifierItem host"
start_app sni-first
until_true 20 eval 'main=$(window_named Bytelora)' || fail "the window was not shown"
if until_true 20 item_registered; then
  item_property Title | grep -q '"Bytelora"' || fail "the item's title is not Bytelora: $(item_property Title)"
  item_property Id | grep -q '"Bytelora"' || fail "the item's id is not Bytelora: $(item_property Id)"
  until_true 10 eval 'item_property ToolTip | grep -q "Download: .* Kb/s"' ||
    fail "the item's tip does not carry the rates: $(item_property ToolTip)"
  menu_has_show() {
    local menu_path
    menu_path=$(item_property Menu | sed -n 's/.*object path "\(.*\)"/\1/p')
    [ -n "$menu_path" ] && dbus-send --session --print-reply --dest="${item%%/*}" "$menu_path" com.canonical.dbusmenu.GetLayout \
      int32:0 int32:-1 array:string: 2>/dev/null | grep -q 'Show Bytelora'
  }
  until_true 10 menu_has_show || fail "the item's menu has no \"Show Bytelora\""
  shot sni-first-icon
  xdotool mousemove --window "$(panel_window)" 1 1
  click_item 3 && { until_true 10 panel_popup >/dev/null || fail "a right click on the item opened no menu"; }
  shot sni-first-menu
  xdotool key Escape
  until_true 10 no_panel_popup || xdotool key Escape
  p=$(panel_window) && read -r w h < <(size_of "$p" | tr x ' ') &&
    xdotool mousemove --window "$p" $((w - 14)) $((h / 2)) mousemove_relative 1 0
  until_true 10 panel_popup >/dev/null && shot sni-first-tip

  xdotool windowminimize "$main"
  until_true 10 unmapped "$main" || fail "a minimise left the window on the screen"
  until_true 10 unmanaged "$main" || fail "a minimise left the window in the task list"
  shot sni-first-minimised
  click_item_until 12 viewable "$main" || fail "a click on the item did not bring the window back"
  shot sni-first-restored
else
  fail "the program registered no item with the host"
fi
stop
kill "$panel" 2>/dev/null || true

step "the same host started 8 s after a hidden start"
new_bus
start_app sni-late 'Windows Startup=On' 'Minimized=On'
until_true 20 eval 'main=$(any_window_named Bytelora)' || fail "the program made no window"
# Without a tray the hidden start is an ordinary minimise: listed, so not lost.
until_true 10 managed "$main" || fail "a hidden start without a tray left the window unlisted"
sleep 8
start_panel
until_true 20 item_registered || fail "no item was registered with the host that started late"
until_true 10 unmanaged "$main" || fail "the window did not go into the tray that started late"
shot sni-late-icon
click_item_until 12 viewable "$main" || fail "a click on the late item did not bring the window back"
xdotool windowminimize "$main"
until_true 10 unmanaged "$main" || fail "a minimise did not hide the window in the late tray"
shot sni-late-minimised
step "the host goes away while the window is hidden in it"
kill "$panel"
until_true 10 viewable "$main" || fail "the window stayed hidden in a tray that went away"
until_true 10 managed "$main" || fail "the window came back unlisted"
shot sni-gone
stop

step "trayer killed while the window is hidden, then started again"
unset DBUS_SESSION_BUS_ADDRESS
tray_home=$(fresh_home trayer)
start_trayer() {
  (with_home "$tray_home" trayer --edge top --align right --widthtype request --height 24 \
    --SetDockType true >>"$work/trayer.log" 2>&1) &
  trayer=$!
  pids+=($trayer)
}
start_trayer
start_app xembed 'Windows Startup=On' 'Minimized=On'
until_true 20 eval 'icon=$(xembed_icon)' || fail "no icon in trayer"
window_named Bytelora >/dev/null && fail "a hidden start showed the window"
kill "$trayer"
main=
until_true 10 eval 'main=$(window_named Bytelora)' || fail "the window stayed hidden in a tray that was killed"
[ -n "$main" ] && { until_true 10 managed "$main" || fail "the window came back unlisted"; }
shot xembed-tray-killed
start_trayer
until_true 20 eval 'icon=$(xembed_icon)' || fail "trayer started again did not take the icon back"
xdotool windowminimize "$main"
until_true 10 unmapped "$main" || fail "a minimise did not hide the window in the new tray"
until_true 10 unmanaged "$main" || fail "a minimise left the window listed with the new tray"
shot xembed-tray-back
[ -n "${icon:-}" ] && xdotool mousemove --window "$icon" 12 12 click 1
until_true 10 viewable "$main" || fail "a click on the icon in the new tray did not bring the window back"
stop

finish
