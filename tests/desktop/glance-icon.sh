#!/usr/bin/env bash
# glance-icon.sh <bytelora program> <folder for screenshots>
#
# The tray icon that shows the rates, on a virtual X display under openbox, while paced
# traffic flows through a veth pair between two network namespaces of this script (the
# program runs in one and counts only its end of the pair). In trayer (XEmbed) and in
# lxqt-panel's StatusNotifierItem host, at Qt scale factors 1 and 2, "Rates" and "Graph":
#   - the icon changes when traffic starts and again while it flows;
#   - the icon's pixels on the screen are exactly those the program drew for the rates it
#     showed (BYTELORA_TRAY_ICON_DUMP has the program write each picture it draws);
#   - the icons, enlarged 8x, go into the screenshots.
# On the session bus of the lxqt-panel run: 20 s of changing traffic give at most one
# NewIcon a second, 20 s without traffic give none.
# Exit 77: cannot run here (a tool is missing, not root, no network namespaces).
set -euo pipefail
program=$(readlink -f "$1")
shots=$2
label=glance-icon
here=$(dirname "$0")
# shellcheck source=desktop-lib.sh
source "$here/desktop-lib.sh"
need Xvfb xdotool xwininfo xprop import compare convert openbox trayer lxqt-panel dbus-daemon \
  dbus-send dbus-monitor ip
# shellcheck source=../support/netns.sh
source "$here/../support/netns.sh"
netns_require "$label"
begin
# The namespaces go last, after the processes that live in them.
trap netns_cleanup EXIT
netns_at_exit cleanup

start_xvfb
unset WAYLAND_DISPLAY SESSION_MANAGER DBUS_SESSION_BUS_ADDRESS QT_QPA_PLATFORM QT_SCALE_FACTOR
start_openbox

# ---- The network: the program's namespace and a peer, and paced traffic between them ----

ns_app=blglance-app-$$
ns_peer=blglance-peer-$$
netns_pair --no-ipv6 "$ns_app" "$ns_peer" blglance0 blglance1 10.23.0.1/24 10.23.0.2/24 ||
  netns_skip "$label: cannot make the veth pair"
# Each side sends to an address the other side's link answers for with a made-up hardware
# address: every datagram crosses the veth and is counted, and none is answered.
ip -n "$ns_app" neigh add 10.23.0.9 lladdr 02:00:00:00:00:09 dev blglance0
ip -n "$ns_peer" neigh add 10.23.0.8 lladdr 02:00:00:00:00:08 dev blglance1

traffic=()
# pace <namespace> <address> <datagrams a tenth of a second>: 1 kB datagrams, paced, the
# rate stepping through one, two and three times that each second so that it changes.
pace() {
  ip netns exec "$1" bash -c '
    exec 3>"/dev/udp/$0/9"
    payload=$(head -c 1000 /dev/zero | tr "\0" x)
    tenth=0
    while :; do
      count=$(($1 * (tenth / 10 % 3 + 1)))
      for ((sent = 0; sent < count; sent++)); do printf %s "$payload" >&3; done
      sleep 0.1
      tenth=$((tenth + 1))
    done' "$2" "$3" &
  traffic+=($!)
  pids+=($!)
}
start_traffic() {
  pace "$ns_peer" 10.23.0.8 30  # the program's download
  pace "$ns_app" 10.23.0.9 10   # its upload
}
stop_traffic() {
  local pid
  for pid in "${traffic[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${traffic[@]}"; do wait "$pid" 2>/dev/null || true; done
  traffic=()
}

# ---- The program and its icon ----

dump=
# start_app <name> <scale> <Rates|Graph>: the program in its namespace, counting its end of
# the veth alone, writing each icon it draws into $dump.
start_app() {
  app_home=$(fresh_home "$1")
  dump=$app_home/icons
  mkdir -p "$dump"
  settings_in "$app_home" "Tray Icon=$3" "Interfaces=blglance0"
  (with_home "$app_home" ip netns exec "$ns_app" env QT_SCALE_FACTOR="$2" \
    BYTELORA_TRAY_ICON_DUMP="$dump" "$program" >"$app_home/program.log" 2>&1) &
  app=$!
}

# The program's XEmbed window docked in trayer, at any tray size up to a 64-pixel one.
tray_icon_window() {
  local id w h
  for id in $(xdotool search --class '^bytelora$' 2>/dev/null); do
    viewable "$id" || continue
    read -r w h < <(size_of "$id" | tr x ' ')
    if [ "$w" -ge 16 ] && [ "$w" -le 64 ] && [ "$h" -ge 16 ] && [ "$h" -le 64 ]; then
      echo "$id"
      return 0
    fi
  done
  return 1
}
# The host's panel, the StatusNotifierItem host's window.
panel_window() {
  local id
  for id in $(xdotool search --class '^lxqt-panel$' 2>/dev/null); do
    viewable "$id" || continue
    [ "$(size_of "$id" | cut -dx -f1)" -ge 500 ] && { echo "$id"; return 0; }
  done
  return 1
}
# grab_area <file>: where the host shows the icon, as the screen shows it: trayer's docked
# window, or the right end of the panel, where the item is.
host=
grab_area() {
  local id w h
  if [ "$host" = trayer ]; then
    id=$(tray_icon_window) || return 1
    import -window "$id" "$1" 2>/dev/null
  else
    id=$(panel_window) || return 1
    read -r w h < <(size_of "$id" | tr x ' ')
    import -window "$id" -crop "$((h * 3))x$h+$((w - h * 3))+0" +repage "$1" 2>/dev/null
  fi
}
# grab_icon <file>: the icon, when one of the pictures the program drew last is on the
# screen pixel for pixel (the host may place it anywhere in its area); else the area.
grab_icon() {
  local drawn found side
  grab_area "$work/area.png" || return 1
  # The pictures as they stand right after the grab: the program draws anew each second.
  rm -rf "$work/drawn"
  cp -r "$dump" "$work/drawn"
  # The largest first: a picture of one colour (a quiet graph) fits into any larger one.
  for side in $(ls "$work/drawn" | sed -n 's/^glance-\([0-9]*\)\.png$/\1/p' | sort -rn); do
    drawn=$work/drawn/glance-$side.png
    found=$(compare -metric AE -subimage-search "$work/area.png" "$drawn" null: 2>&1 || true)
    # "0 (0) @ x,y": the picture is there, pixel for pixel.
    if [[ $found =~ ^0\ .*@\ ([0-9]+),([0-9]+) ]]; then
      matched_side=$side
      convert "$work/area.png" -crop "${side}x${side}+${BASH_REMATCH[1]}+${BASH_REMATCH[2]}" \
        +repage "$1"
      return 0
    fi
  done
  cp "$work/area.png" "$1"
  return 2
}
# icon_matches <file>: the icon on the screen is a picture the program drew. The picture
# changes once a second; a few tries catch a grab and a drawing of the same second.
icon_matches() {
  local try
  for try in 1 2 3 4 5 6 7 8 9 10; do
    grab_icon "$1" && return 0
    sleep 0.3
  done
  return 1
}
same_picture() { compare -metric AE "$1" "$2" null: >/dev/null 2>&1; }
enlarge() {  # enlarge <icon file> <screenshot name>: 8x, each pixel a square
  convert "$1" -filter point -resize 800% "$shots/$2.png"
}

# one_case <host> <scale> <Rates|Graph>
one_case() {
  local name="$1-scale-$2-${3,,}"
  step "$name"
  start_app "$name" "$2" "$3"
  if ! until_true 20 grab_area "$work/quiet.png"; then
    fail "$name: no icon in the tray"
    stop
    return
  fi
  # Quiet first: the picture the program drew for no traffic is on the screen.
  sleep 2
  icon_matches "$work/quiet.png" || fail "$name: the quiet icon is not the program's picture"
  enlarge "$work/quiet.png" "$name-quiet"
  start_traffic
  sleep 3
  icon_matches "$work/busy.png" || fail "$name: the icon with traffic is not the program's picture"
  enlarge "$work/busy.png" "$name-traffic"
  echo "   the host shows the picture drawn at ${matched_side:-?} pixels"
  same_picture "$work/quiet.png" "$work/busy.png" && fail "$name: the icon did not change with traffic"
  sleep 1.5
  icon_matches "$work/later.png" || fail "$name: the icon a second later is not the program's picture"
  same_picture "$work/busy.png" "$work/later.png" && fail "$name: the icon stood still while the traffic changed"
  shot "$name-screen"
  stop_traffic
  stop
}

# ---- trayer (XEmbed), no session bus ----

tray_home=$(fresh_home trayer)
for scale in 1 2; do
  host=trayer
  (with_home "$tray_home" trayer --edge top --align right --widthtype request \
    --height $((scale == 1 ? 18 : 34)) --SetDockType true >>"$work/trayer.log" 2>&1) &
  trayer=$!
  pids+=($trayer)
  sleep 1
  one_case trayer "$scale" Rates
  one_case trayer "$scale" Graph
  kill "$trayer" 2>/dev/null || true
  wait "$trayer" 2>/dev/null || true
done

# ---- lxqt-panel (StatusNotifierItem) on a session bus of its own ----

panel_home=$(panel_home)
host=lxqt
count_new_icons() {  # count_new_icons <seconds>: NewIcon signals on the bus in that time
  dbus-monitor --session "type='signal',interface='org.kde.StatusNotifierItem',member='NewIcon'" \
    >"$work/monitor.log" 2>&1 &
  local monitor=$!
  sleep "$1"
  kill "$monitor" 2>/dev/null || true
  wait "$monitor" 2>/dev/null || true
  grep -c 'member=NewIcon' "$work/monitor.log" || true
}
for scale in 1 2; do
  new_bus
  (with_home "$panel_home" env QT_SCALE_FACTOR="$scale" lxqt-panel >>"$work/panel.log" 2>&1) &
  panel=$!
  pids+=($panel)
  until_true 20 panel_window >/dev/null || fail "no lxqt-panel at scale $scale"
  until_true 20 sni_host_ready || fail "lxqt-panel at scale $scale is no StatusNotifierItem host"
  one_case lxqt "$scale" Rates
  one_case lxqt "$scale" Graph
  if [ "$scale" = 1 ]; then
    step "NewIcon on the session bus: 20 s of changing traffic, then 20 s of none"
    start_app lxqt-count 1 Rates
    until_true 20 grab_area "$work/count.png" || fail "no icon for the count"
    start_traffic
    sleep 2
    busy=$(count_new_icons 20)
    stop_traffic
    # The last traffic leaves the rates within two seconds.
    sleep 3
    quiet=$(count_new_icons 20)
    echo "   NewIcon signals: $busy in 20 s of traffic, $quiet in 20 s without"
    [ "$busy" -ge 5 ] || fail "only $busy NewIcon signals in 20 s of changing traffic"
    [ "$busy" -le 21 ] || fail "$busy NewIcon signals in 20 s: more than one a second"
    [ "$quiet" -eq 0 ] || fail "$quiet NewIcon signals in 20 s without traffic"
    stop
  fi
  kill "$panel" 2>/dev/null || true
  wait "$panel" 2>/dev/null || true
done

finish
