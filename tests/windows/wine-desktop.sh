# Shared by the desktop checks of bytelora.exe under wine: a virtual display, a throw-away
# wine prefix of the check's own, and the program's window on it. Sourced, not run.
# Every check prints "FAIL: ..." and leaves non-zero on the first fault.

fail() { echo "FAIL: $*" >&2; exit 1; }

# desktop_start: a private Xvfb (it picks a free display) and a fresh wine prefix whose
# Arial is Liberation Sans, as on Windows; desktop_stop ends both and removes the files.
desktop_start() {
  work=$(mktemp -d "${TMPDIR:-/tmp}/bytelora-wine-desktop.XXXXXX")
  export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  mkdir "$WINEPREFIX"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
  xvfb_pid=$!
  local i
  for i in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
  done
  [ -s "$work/display" ] || fail "Xvfb did not start"
  export DISPLAY=":$(cat "$work/display")"
  wineserver -p
  wineboot --init >/dev/null 2>&1 || true
  wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Arial /t REG_SZ \
    /d "Liberation Sans" /f >/dev/null 2>&1 || fail "could not map Arial in the wine prefix"
}
desktop_stop() {
  [ -n "${program_pid:-}" ] && kill "$program_pid" 2>/dev/null
  [ -n "${WINEPREFIX:-}" ] && wineserver -k >/dev/null 2>&1
  [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null
  [ -n "${work:-}" ] && rm -rf "$work"
  return 0
}

# wine_temp_dir: wine's %TEMP% as a Unix path.
wine_temp_dir() {
  local temp
  temp=$(wine cmd /c echo %TEMP% 2>/dev/null | tr -d '\r')
  winepath -u "$temp" 2>/dev/null
}

# wait_for_window <title> <seconds>: prints the id of the mapped top-level window with
# exactly that title.
wait_for_window() {
  local id i
  for i in $(seq $(($2 * 4))); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.25
  done
  return 1
}

# check_history_log <file> <seconds>: within that time the file holds at least one
# snapshot line, and every line in it is a well-formed snapshot ended by CR LF.
check_history_log() {
  local log=$1 i
  for i in $(seq $(($2 * 4))); do
    [ -s "$log" ] && grep -q $'\r$' "$log" && break
    sleep 0.25
  done
  [ -s "$log" ] || fail "no history log at $log within $2 s"
  local line='^[0-9]{1,2}/[0-9]{1,2}/[0-9]{2,4} [0-9]{1,2}:[0-9]{2}:[0-9]{2}( [AP]M)? Download: [0-9,.]+ Kb/s Upload: [0-9,.]+ Kb/s'$'\r''$'
  if LC_ALL=C grep -Evq "$line" "$log"; then
    od -c "$log" | head -n 20 >&2
    fail "the history log holds a line that is not a snapshot ended by CR LF"
  fi
  # A file that ends half-way through a line would lose it to the next append.
  [ "$(tail -c 2 "$log" | od -An -c | tr -d ' ')" = '\r\n' ] || fail "the history log does not end in CR LF"
}

# close_window <id> <pid> <seconds>: closes the window as a user does, with Alt+F4,
# and waits for the process to end.
close_window() {
  local i
  xdotool windowfocus --sync "$1" 2>/dev/null || true
  xdotool key --clearmodifiers alt+F4
  for i in $(seq $(($3 * 4))); do
    kill -0 "$2" 2>/dev/null || { wait "$2" 2>/dev/null || true; return 0; }
    sleep 0.25
  done
  return 1
}

# smoke_check <runner> <bytelora.exe> <screenshot.png>: starts the program, checks its
# window, its history log and the settings it stores, keeps a screenshot and closes it.
smoke_check() {
  local runner=$1 exe=$2 shot=$3 temp window width height left top key query run i at value
  temp=$(wine_temp_dir)
  [ -d "$temp" ] || fail "wine's %TEMP% ($temp) is no folder"
  rm -f "$temp/Bytelora.txt"

  "$runner" "$exe" >"$work/program.log" 2>&1 &
  program_pid=$!
  window=$(wait_for_window Bytelora 60) || { cat "$work/program.log" >&2; fail "no window titled Bytelora mapped"; }
  check_history_log "$temp/Bytelora.txt" 12

  # A second start hands over to the running one, over the named pipe, and ends.
  timeout 60 "$runner" "$exe" >"$work/second.log" 2>&1 || fail "a second start did not end by itself"
  kill -0 "$program_pid" 2>/dev/null || fail "a second start ended the running one"
  [ "$(xdotool search --onlyvisible --name '^Bytelora$' | wc -l)" -eq 1 ] || fail "a second start left a second window"

  mkdir -p "$(dirname "$shot")"
  import -window "$window" "$shot" || fail "no screenshot of the window"

  # The settings store over the registry, driven as a user would: tick "Load this
  # software on Windows startup", then "Minimized to system tray" (shown once the first
  # is ticked), pick "Log every 10 seconds" (the third row) and turn logging off. Then
  # `wine reg query` reads the four values back, and the Run value.
  read -r width height < <(xdotool getwindowgeometry --shell "$window" | awk -F= '/WIDTH|HEIGHT/ {printf "%s ", $2}')
  # The client area is 536 x 462 px; whatever more the X window has is wine's frame.
  left=$(( (width - 536) / 2 )); top=$(( height - 462 - left ))
  for at in "40 330" "300 330" "60 254" "100 373"; do
    set -- $at
    xdotool mousemove --window "$window" $((left + $1)) $((top + $2)) click 1
    sleep 1
  done
  key='HKCU\Software\VB and VBA Program Settings\Quillmark\Bytelora'
  for i in $(seq 20); do
    wine reg query "$key" /v StartStopState 2>/dev/null | grep -q 'Off' && break
    sleep 0.5
  done
  query=$(wine reg query "$key" 2>/dev/null | tr -d '\r')
  for value in 'Windows Startup +REG_SZ +On' 'Minimized +REG_SZ +On' 'OftenIndex +REG_SZ +3' \
               'StartStopState +REG_SZ +Off'; do
    echo "$query" | grep -Eq "^ +$value\$" || { echo "$query" >&2; fail "the registry lacks $value"; }
  done
  run=$(wine reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Run' /v bytelora.exe 2>/dev/null | tr -d '\r')
  echo "$run" | grep -Eq 'bytelora\.exe +REG_SZ +"[A-Za-z]:\\.*\\bytelora\.exe"$' || { echo "$run" >&2; fail "no quoted Run value for bytelora.exe under HKCU"; }
  import -window "$window" "${shot%.png}-options.png" || fail "no screenshot of the window"

  close_window "$window" "$program_pid" 15 || fail "closing the window did not end the process"
  program_pid=
}
