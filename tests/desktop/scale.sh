#!/usr/bin/env bash
# scale.sh <bytelora program> <folder for screenshots>
#
# The program's windows on a high-density screen: Qt's scale factor at 1.5 and 2, and
# the desktop's font resolution at 144 dpi (Xft.dpi, as GNOME and KDE set it). Each
# case shows the main window, the graph window, the data usage window and the
# Interfaces dialog, on a virtual X display under openbox with lxqt-panel as the tray
# (its menu, reached over the session bus, opens the last two). A screenshot of each
# window in each case, to be looked at: no text may be cut off. Exit 77: cannot run here.
set -euo pipefail
program=$(readlink -f "$1")
shots=$2
label=scale
# shellcheck source=desktop-lib.sh
source "$(dirname "$0")/desktop-lib.sh"
need Xvfb xdotool xwininfo xprop import openbox lxqt-panel dbus-daemon dbus-send xrdb
begin

start_xvfb 2560x1600x24
unset WAYLAND_DISPLAY SESSION_MANAGER QT_QPA_PLATFORM QT_SCALE_FACTOR QT_FONT_DPI
unset QT_AUTO_SCREEN_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_ENABLE_HIGHDPI_SCALING
start_openbox
new_bus
panel_home=$(panel_home)
(with_home "$panel_home" lxqt-panel >"$work/panel.log" 2>&1) &
pids+=($!)
until_true 30 sni_host_ready || { fail "lxqt-panel did not become a StatusNotifierItem host"; cat "$work/panel.log"; }

# menu_entry <label>: what a click on that entry of the tray menu does, sent as the
# panel sends it.
menu_entry() {
  local item service path id
  item=$(watcher_items | head -n 1)
  [ -n "$item" ] || { fail "no tray item for the menu entry \"$1\""; return 1; }
  service=${item%%/*}
  path=$(dbus-send --session --print-reply --dest="$service" "/${item#*/}" org.freedesktop.DBus.Properties.Get \
    string:org.kde.StatusNotifierItem string:Menu | sed -n 's/.*object path "\(.*\)"/\1/p')
  id=$(dbus-send --session --print-reply --dest="$service" "$path" com.canonical.dbusmenu.GetLayout \
    int32:0 int32:-1 array:string: | awk -v want="string \"$1\"" '/int32 [0-9]+$/ { id = $2 } index($0, want) { print id; exit }')
  [ -n "$id" ] || { fail "the tray menu has no entry \"$1\""; return 1; }
  dbus-send --session --print-reply --dest="$service" "$path" com.canonical.dbusmenu.Event int32:"$id" string:clicked \
    variant:int32:0 uint32:0 >/dev/null
}

# capture <case> <title>: waits for the window, brings it to the front and takes its
# picture, as it draws itself.
capture() {
  local id file title=$2
  until_true 10 eval 'id=$(window_named "$title")' || { fail "$1: no window \"$2\""; return; }
  xdotool windowraise "$id"
  sleep 0.5  # its repaint once in front
  file=$(echo "$2" | tr 'A-Z ' 'a-z-' | sed 's/-*-bytelora$//')
  import -window "$id" "$shots/$1-$file.png" 2>/dev/null || fail "$1: no picture of \"$2\""
}

# one_case <name> <env...>: every window of the program, a screenshot of each.
one_case() {
  local name=$1 scale
  shift
  step "$name"
  app_home=$(fresh_home "$name")
  settings_in "$app_home"
  (with_home "$app_home" env "$@" "$program" >"$app_home/program.log" 2>&1) &
  app=$!
  local main=
  until_true 20 eval 'main=$(window_named Bytelora)' || { fail "the window was not shown"; return; }
  until_true 20 eval 'watcher_items | grep -q .' || fail "no tray item"
  capture "$name" Bytelora
  # "View History Graph": 4080, 5400 twips from the window's corner, 3840 by 405, in
  # the window's own pixels.
  scale=$(awk -v w="$(size_of "$main" | cut -dx -f1)" 'BEGIN { printf "%.3f", w / 8040 * 15 }')
  xdotool mousemove --window "$main" \
    "$(awk -v s="$scale" 'BEGIN { printf "%d", (4080 + 3840 / 2) / 15 * s }')" \
    "$(awk -v s="$scale" 'BEGIN { printf "%d", (5400 + 405 / 2) / 15 * s }')" click 1
  capture "$name" 'Bandwidth Graph'
  menu_entry 'Interfaces…' && capture "$name" Interfaces
  menu_entry 'Data usage…' && capture "$name" 'Data usage - Bytelora'
  stop_app "$app" "$app_home"
  app=
}

one_case scale-1.5 QT_SCALE_FACTOR=1.5
one_case scale-2 QT_SCALE_FACTOR=2
printf 'Xft.dpi: 144\n' | xrdb -merge
one_case xft-dpi-144
xrdb -remove 2>/dev/null || true

finish
