# Sourced by the measurement scripts: programs run in a throw-away home, each on a virtual
# display with a tray host of its own. The caller sets $work (a temporary folder) and the
# array $started, whose processes it ends on exit.

# profile <name> <OftenIndex> [MODE]: a private home with Bytelora's settings preset:
#   shown         logging on (the default)
#   off           logging off
#   hidden        logging on, started with the session, minimised to the tray
#   hidden-rates  the same, with the tray icon showing the rates
#   hidden-graph  the same, with the tray icon showing the strip chart
#   meter         the same, with the small rates window on top as the only thing shown
profile() {
  local dir=$work/$1 mode=${3:-shown}
  local conf=$dir/config/Quillmark/Bytelora.conf
  mkdir -p "$dir/home" "$dir/config/Quillmark" "$dir/state" "$dir/temp"
  mkdir -p -m 700 "$dir/runtime"
  printf '[Bytelora]\nOftenIndex=%s\nStartStopState=%s\n' "$2" \
    "$([ "$mode" = off ] && echo Off || echo On)" >"$conf"
  case "$mode" in
    hidden | hidden-* | meter) printf 'Windows Startup=On\nMinimized=On\n' >>"$conf" ;;
  esac
  case "$mode" in
    hidden-rates) printf 'Tray Icon=Rates\n' >>"$conf" ;;
    hidden-graph) printf 'Tray Icon=Graph\n' >>"$conf" ;;
    meter) printf 'Rates Window=On\n' >>"$conf" ;;
  esac
  echo "$dir"
}

# conky_config <file> <interface>: conky showing what Bytelora's window shows at a glance,
# the two rates and a one-second graph of each, in a window of its own. The rest is
# Debian's own /etc/conky/conky.conf.
conky_config() {
  cat >"$1" <<CONKY
conky.config = {
  alignment = 'top_left', background = false, border_width = 1, cpu_avg_samples = 2,
  default_color = 'white', double_buffer = true, draw_borders = false,
  draw_graph_borders = true, draw_outline = false, draw_shades = false,
  font = 'DejaVu Sans Mono:size=12', gap_x = 60, gap_y = 60, minimum_width = 5,
  net_avg_samples = 2, no_buffers = true, out_to_console = false, out_to_x = true,
  own_window = true, own_window_class = 'Conky', own_window_type = 'normal',
  update_interval = 1.0, use_xft = true,
}
conky.text = [[
Down \${downspeedf $2} KiB/s   Up \${upspeedf $2} KiB/s
\${downspeedgraph $2 40,300}
\${upspeedgraph $2 40,300}
]]
CONKY
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

