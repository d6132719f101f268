#!/usr/bin/env bash
# languages.sh <bytelora program> <folder for screenshots>
#
# The program in German, Simplified Chinese and Japanese on a virtual X display under
# openbox with trayer as the tray: the main window, the graph window, the tray menu and
# the windows it opens (Interfaces, Data usage, Applications). German comes from the
# system's locale (LANG), the other two from the Language choice in the settings. The
# program reports every text it shows cut off (BYTELORA_REPORT_CLIPPED_TEXT, read by
# this check alone), and each window is photographed, to be looked at. The tray menu is
# the program's own there, and is walked with the keyboard: its entries' names are the
# translators'. Exit 77: cannot run here.
set -euo pipefail
program=$(readlink -f "$1")
shots=$2
label=languages
# shellcheck source=desktop-lib.sh
source "$(dirname "$0")/desktop-lib.sh"
need Xvfb xdotool xwininfo xprop import openbox trayer fc-list
begin

# Chinese and Japanese texts need a font with their glyphs (fonts-noto-cjk).
for script in zh ja; do
  fc-list ":lang=$script" | grep -q . || { echo "skipped: no font for :lang=$script (fonts-noto-cjk)"; exit $skip; }
done

start_xvfb 1280x1024x24
unset WAYLAND_DISPLAY SESSION_MANAGER QT_QPA_PLATFORM QT_SCALE_FACTOR LANGUAGE LC_ALL LC_MESSAGES
export BYTELORA_REPORT_CLIPPED_TEXT=1
start_openbox
(with_home "$(fresh_home tray)" trayer --edge top --align right --widthtype request --height 24 \
  --SetDockType true >"$work/trayer.log" 2>&1) &
pids+=($!)

# capture <case> <name> <window>: brings it to the front and takes its picture.
capture() {
  xdotool windowraise "$3"
  sleep 0.5  # its repaint once in front, and the program's check of it
  import -window "$3" "$shots/$1-$2.png" 2>/dev/null || fail "$1: no picture of the $2 window"
}

# tray_entry <n>: opens the tray menu and takes its n-th entry (from 1); the menu as it
# opened is photographed once.
tray_entry() {
  xdotool mousemove --window "$tray" 12 12 click 3
  sleep 0.7
  [ -e "$shots/$name-tray-menu.png" ] || shot "$name-tray-menu"
  local keys=()
  for _ in $(seq "$1"); do keys+=(Down); done
  xdotool key "${keys[@]}" Return
}

# new_window <window ids before>: waits for a window of the program that was not there.
new_window() {
  local id
  for _ in $(seq 50); do
    for id in $(xdotool search --onlyvisible --class '^bytelora$' 2>/dev/null); do
      [ "$(size_of "$id" | cut -dx -f1)" -ge 100 ] || continue
      grep -qw "$id" <<<"$1" || { echo "$id"; return 0; }
    done
    sleep 0.1
  done
  return 1
}
visible_windows() { xdotool search --onlyvisible --class '^bytelora$' 2>/dev/null | tr '\n' ' '; }

# one_language <name> <LANG> [setting...]: every window in that language.
one_language() {
  local lang=$2 main width before window entry
  name=$1
  shift 2
  step "$name"
  app_home=$(fresh_home "$name")
  settings_in "$app_home" "$@"
  (with_home "$app_home" env LANG="$lang" "$program" >"$app_home/program.log" 2>&1) &
  app=$!
  until_true 20 eval 'main=$(window_named Bytelora)' || { fail "$name: the window was not shown"; return; }
  until_true 20 eval 'tray=$(xembed_icon)' || { fail "$name: no tray icon"; return; }
  capture "$name" main "$main"
  # "View History Graph": 4080, 5400 twips from the window's corner, 3840 by 405; a
  # window grown for longer texts is wider in proportion, never taller.
  width=$(size_of "$main" | cut -dx -f1)
  before=$(visible_windows)
  xdotool mousemove --window "$main" \
    "$(awk -v w="$width" 'BEGIN { printf "%d", (4080 + 3840 / 2) / 8040 * w }')" \
    "$(( (5400 + 405 / 2) / 15 ))" click 1
  if window=$(new_window "$before"); then capture "$name" graph "$window"; else fail "$name: no graph window"; fi
  # The tray menu: Show Bytelora, Interfaces..., Data usage..., Applications...
  for entry in 2:interfaces 3:data-usage 4:applications; do
    before=$(visible_windows)
    tray_entry "${entry%%:*}"
    if window=$(new_window "$before"); then
      capture "$name" "${entry#*:}" "$window"
    else
      fail "$name: the tray menu's entry ${entry%%:*} opened no window"
    fi
  done
  sleep 0.5
  if grep -q 'clipped text' "$app_home/program.log"; then
    fail "$name: texts cut off: $(grep 'clipped text' "$app_home/program.log" | sort -u)"
  fi
  stop_app "$app" "$app_home"
  app=
}

one_language german de_DE.UTF-8
one_language simplified-chinese C.UTF-8 Language=zh_CN
one_language japanese C.UTF-8 Language=ja

echo "opened in German, Simplified Chinese and Japanese: the main window, the graph window, the" \
  "tray menu, Interfaces, Data usage and Applications"
finish
