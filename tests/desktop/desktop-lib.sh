# Shared by the real-display scripts beside it (sourced): a virtual display, throw-away
# homes, a session bus and a StatusNotifierItem host, bounded polling, screenshots and
# the looks of the program's windows. The sourcing script sets program, shots and label,
# then calls need and begin.

failures=0
skip=77

# The texts the checks look for are the English ones: the tester's own language must not
# change them (languages.sh picks its languages itself).
export LC_ALL=C.UTF-8
unset LANGUAGE LC_MESSAGES

# need <tool...>: exits 77 (skipped) when one is missing.
need() {
  local tool
  for tool in "$@"; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit $skip; }
  done
}

# begin: a temporary folder for the run ($work), an empty screenshot folder, and the
# clean-up of every process started (in pids, and the program in app) at exit.
begin() {
  work=$(mktemp -d "/tmp/bytelora-$label.XXXXXX")
  mkdir -p "$shots"
  rm -f "$shots"/*.png
  pids=()
  app=
  app_home=
  trap cleanup EXIT
}
cleanup() {
  local pid
  [ -n "$app" ] && kill "$app" 2>/dev/null
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
step() { echo "-- $label: $*"; }
fail() {
  echo "FAIL ($label): $*"
  failures=$((failures + 1))
  shot "failure-$failures"
}
# shot <name>: the whole screen of the current DISPLAY, into the build tree.
shot() { import -window root "$shots/$1.png" 2>/dev/null || true; }

# until_true <seconds> <command...>: polls the command until it succeeds or time is up.
until_true() {
  local limit=$1 end
  shift
  end=$((SECONDS + limit))
  until "$@"; do
    [ "$SECONDS" -ge "$end" ] && return 1
    sleep 0.1
  done
}

# start_xvfb [WxHxD]: a virtual X display; exports DISPLAY.
start_xvfb() {
  Xvfb -displayfd 3 -screen 0 "${1:-1024x768x24}" -nolisten tcp -noreset 3>"$work/display" \
    >"$work/xvfb.log" 2>&1 &
  pids+=($!)
  until_true 20 test -s "$work/display" || { echo "Xvfb did not start"; cat "$work/xvfb.log"; exit 1; }
  export DISPLAY=":$(tr -d '\n' <"$work/display")"
}

# fresh_home <name>: a home, XDG folders and TEMP of its own; prints the home.
fresh_home() {
  local home="$work/$1"
  mkdir -p "$home"/{home,config,state,data,cache,runtime,tmp,temp}
  chmod 700 "$home/runtime"
  echo "$home"
}
# with_home <home> <command...>: the command runs in place of env, so that a process
# started in the background with it has the pid in $!.
with_home() {
  local home=$1
  shift
  exec env HOME="$home/home" XDG_CONFIG_HOME="$home/config" XDG_STATE_HOME="$home/state" \
    XDG_DATA_HOME="$home/data" XDG_CACHE_HOME="$home/cache" XDG_RUNTIME_DIR="$home/runtime" \
    TMPDIR="$home/tmp" TEMP="$home/temp" "$@"
}
# settings_in <home> [line...]: Bytelora's settings file in that home.
settings_in() {
  local home=$1
  shift
  mkdir -p "$home/config/Quillmark"
  printf '[Bytelora]\n' >"$home/config/Quillmark/Bytelora.conf"
  [ $# -gt 0 ] && printf '%s\n' "$@" >>"$home/config/Quillmark/Bytelora.conf"
  return 0
}

hex() { printf '0x%x' "$1"; }
# xwininfo without a window waits for a click: an empty id is no window.
viewable() { [ -n "$1" ] && xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }
unmapped() { [ -n "$1" ] && ! viewable "$1"; }
managed() { [ -n "$1" ] && xprop -root _NET_CLIENT_LIST | grep -qw "$(hex "$1")"; }
unmanaged() { [ -n "$1" ] && ! managed "$1"; }
size_of() { xwininfo -id "$1" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }'; }
# The program's windows with exactly this title, mapped or not. Qt gives its windows
# without a title of their own (the XEmbed icon, hidden helpers) the program's name,
# so only windows of a size a user could read are counted.
any_window_named() {
  local id
  for id in $(xdotool search --name "^$1\$" 2>/dev/null); do
    [ "$(size_of "$id" | cut -dx -f1)" -ge 100 ] && { echo "$id"; return 0; }
  done
  return 1
}
# The same, on the screen.
window_named() {
  local id
  for id in $(xdotool search --name "^$1\$" 2>/dev/null); do
    viewable "$id" && [ "$(size_of "$id" | cut -dx -f1)" -ge 100 ] && { echo "$id"; return 0; }
  done
  return 1
}
# The XEmbed tray icon: the program's own small window, docked in the tray.
xembed_icon() {
  local id w h
  for id in $(xdotool search --class '^bytelora$' 2>/dev/null); do
    viewable "$id" || continue
    read -r w h < <(size_of "$id" | tr x ' ')
    if [ "$w" -ge 16 ] && [ "$w" -le 32 ] && [ "$h" -ge 16 ] && [ "$h" -le 32 ]; then
      echo "$id"
      return 0
    fi
  done
  return 1
}

# stop_app <pid> <home>: ends the program and shows what it printed.
stop_app() {
  kill "$1" 2>/dev/null || true
  wait "$1" 2>/dev/null || true
  if [ -s "$2/program.log" ]; then
    echo "   program output:"
    sed 's/^/   | /' "$2/program.log"
  fi
}

# start_openbox: the window manager, in a home of its own.
start_openbox() {
  local home
  home=$(fresh_home wm)
  (with_home "$home" openbox --sm-disable >"$work/wm.log" 2>&1) &
  pids+=($!)
  until_true 20 eval 'xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"' ||
    { echo "openbox did not start"; cat "$work/wm.log"; exit 1; }
}

# new_bus: a session bus of its own; exports DBUS_SESSION_BUS_ADDRESS.
bus=0
new_bus() {
  bus=$((bus + 1))
  local socket="$work/bus$bus"
  dbus-daemon --session --nofork --nopidfile --address="unix:path=$socket" >"$work/bus$bus.log" 2>&1 &
  pids+=($!)
  until_true 10 test -S "$socket" || { echo "dbus-daemon did not start"; exit 1; }
  export DBUS_SESSION_BUS_ADDRESS="unix:path=$socket"
}
# panel_home: a home whose lxqt-panel has one panel along the top with only the
# StatusNotifierItem host in it; prints the home.
panel_home() {
  local home
  home=$(fresh_home panel)
  mkdir -p "$home/config/lxqt"
  printf '%s\n' '[General]' '__userfile__=true' 'panels=panel1' '' '[panel1]' 'plugins=statusnotifier' \
    'position=Top' 'panelSize=28' '' '[statusnotifier]' 'type=statusnotifier' 'alignment=Right' \
    >"$home/config/lxqt/panel.conf"
  echo "$home"
}
# property <service> <path> <interface> <name>: a D-Bus property, as dbus-send prints it.
property() {
  dbus-send --session --print-reply --reply-timeout=2000 --dest="$1" "$2" \
    org.freedesktop.DBus.Properties.Get string:"$3" string:"$4" 2>/dev/null
}
# sni_host_ready: a StatusNotifierItem host (the panel) has registered with the watcher.
# A program started before that finds no tray and never shows its item.
sni_host_ready() {
  property org.kde.StatusNotifierWatcher /StatusNotifierWatcher org.kde.StatusNotifierWatcher \
    IsStatusNotifierHostRegistered | grep -q 'boolean true'
}
# The items the StatusNotifierItem watcher lists, one "<service>/<path>" a line.
watcher_items() {
  property org.kde.StatusNotifierWatcher /StatusNotifierWatcher org.kde.StatusNotifierWatcher \
    RegisteredStatusNotifierItems | sed -n 's/^ *string "\(.*\)"$/\1/p'
}

# stop: ends the program of the last start ($app, $app_home), if it runs.
stop() {
  [ -n "$app" ] || return 0
  stop_app "$app" "$app_home"
  app=
}

finish() {
  if [ "$failures" -ne 0 ]; then
    echo "$label: $failures failure(s); screenshots in $shots"
    exit 1
  fi
  echo "$label: all passed; screenshots in $shots"
}

# The window manager's frame around a client: its ancestor just below the root.
frame_of() {
  local id=$1 parent root
  root=$(xwininfo -root | awk '/Window id:/ { print $4 }')
  while parent=$(xwininfo -tree -id "$id" | awk '/Parent window id:/ { print $4 }'); do
    [ "$parent" = "$root" ] && { echo "$id"; return 0; }
    id=$parent
  done
  return 1
}
# above <a> <b>: a lies in front of b in the server's stacking order (xwininfo lists the
# root's children from the top down).
above() {
  local a b
  a=$(frame_of "$1") && b=$(frame_of "$2") || return 1
  xwininfo -root -children | awk '{ print $1 }' | grep -x -e "$a" -e "$b" | head -n 1 | grep -qx "$a"
}
