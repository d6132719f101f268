# Sourced by the measurement scripts: programs run in a throw-away home, each on a virtual
# display with a tray host of its own. The caller sets $work (a temporary folder) and the
# array $started, whose processes it ends on exit.

# profile <name> <OftenIndex> [shown|off|hidden]: a private home with Bytelora's settings
# preset: logging on (shown, the default), logging off, or logging on and started with the
# session, minimised to the tray (hidden).
profile() {
  local dir=$work/$1 mode=${3:-shown}
  mkdir -p "$dir/home" "$dir/config/Quillmark" "$dir/state" "$dir/temp"
  mkdir -p -m 700 "$dir/runtime"
  printf '[Bytelora]\nOftenIndex=%s\nStartStopState=%s\n' "$2" \
    "$([ "$mode" = off ] && echo Off || echo On)" >"$dir/config/Quillmark/Bytelora.conf"
  [ "$mode" != hidden ] || printf 'Windows Startup=On\nMinimized=On\n' >>"$dir/config/Quillmark/Bytelora.conf"
  echo "$dir"
}
# in_profile <dir> <display> <command...>: runs the command in place of the calling
# shell, so that a background job's $! is the program itself. Call it as a background job
# or in a ( ) subshell.
in_profile() {
  local dir=$1 display=$2; shift 2
  local platform=xcb
  [ -n "$display" ] || platform=offscreen
  exec env HOME="$dir/home" XDG_CONFIG_HOME="$dir/config" XDG_STATE_HOME="$dir/state" \
    XDG_RUNTIME_DIR="$dir/runtime" TEMP="$dir/temp" DISPLAY="$display" QT_QPA_PLATFORM=$platform \
    LC_ALL=C.UTF-8 "$@"
}

# start_display: an Xvfb with a tray host; sets $display to its name.
start_display() {
  local fifo=$work/display.$RANDOM number
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$fifo" >/dev/null 2>&1 &
  started+=($!)
  read -r -t 20 number <"$fifo" || { echo "Xvfb did not start" >&2; exit 1; }
  rm -f "$fifo"
  DISPLAY=:$number trayer --edge top --align right --widthtype pixel --width 200 --height 24 \
    >/dev/null 2>&1 &
  started+=($!)
  sleep 1
  display=:$number
}

