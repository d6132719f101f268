# Shared by the real-display scripts beside it (sourced): a virtual display, throw-away
# homes, bounded polling, screenshots and the looks of the program's windows.
# The sourcing script sets: program, shots, work (a temporary folder), label; and pids=().

failures=0
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

finish() {
  if [ "$failures" -ne 0 ]; then
    echo "$label: $failures failure(s); screenshots in $shots"
    exit 1
  fi
  echo "$label: all passed; screenshots in $shots"
}
