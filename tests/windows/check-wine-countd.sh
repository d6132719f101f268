#!/bin/bash
# The per-application counter as the installer sets it up, in a fresh wine prefix. Wine
# has no working trace session, so the installer is told to have the service play a
# recorded event file (/REPLAY=): the silent install creates and starts the service,
# `bytelora-cli.exe apps --json` gives the recording's table, and does again after an
# install over the running one, the Applications window
# shows it (a screenshot), the service started without the recording stops with its one
# line, `apps` then says the counter is not running and exits 1, and the uninstaller
# removes the service.
# What wine cannot show, and is left to a real Windows: a trace session that delivers
# events and two users at the pipe (every wine token is the same elevated user), both in
# check-per-application.ps1, and the restart after a crash (wine's service manager takes
# the failure actions and keeps none).
# Usage: check-wine-countd.sh <build dir> <fixture.events> <screenshot.png>
set -u
. "$(dirname "$0")/wine-desktop.sh"
build=$1 fixture=$2 shot=$3
command -v makensis >/dev/null || { echo "makensis missing (Debian: nsis)" >&2; exit 77; }
trap desktop_stop EXIT

packages=$(mktemp -d "${TMPDIR:-/tmp}/bytelora-nsis.XXXXXX")
trap 'desktop_stop; rm -rf "$packages"' EXIT
cpack --config "$build/CPackConfig.cmake" -G NSIS -B "$packages" >"$packages/cpack.log" 2>&1 \
  || { cat "$packages/cpack.log" >&2; fail "cpack -G NSIS failed"; }
installer=$(ls "$packages"/bytelora-*-win64.exe 2>/dev/null | head -n 1)
[ -n "$installer" ] || { ls "$packages" >&2; fail "no bytelora-<version>-win64.exe"; }

desktop_start
unset WINEPATH QT_PLUGIN_PATH BYTELORA_COUNTD_SOCKET
# Wine's service manager gives a service it starts 10 s to connect back (Windows gives
# 30 s), then gives up with 1053 and ends the process, which may have begun to serve by
# then. A new wine process on a loaded machine may take longer than that, so the
# machine's setting for it is raised (wine reads it as a string, Windows as a number).
# services.exe reads it when it starts: wine is started again for it, and wineboot
# returns once the service manager has started wine's own services, during which it
# refuses to start any other (1055).
wine reg add 'HKLM\System\CurrentControlSet\Control' /v ServicesPipeTimeout /t REG_SZ \
  /d 120000 /f >/dev/null 2>&1 || fail "could not set the service manager's start timeout"
wineserver -k
wineserver -w
wineserver -p
wineboot >/dev/null 2>&1 || true
cp "$fixture" "$WINEPREFIX/drive_c/kernel-network.events"
wine "$installer" /S '/REPLAY=C:\kernel-network.events' || fail "the silent install failed"
program_files=$(winepath -u "$(wine cmd /c echo %ProgramFiles% 2>/dev/null | tr -d '\r')")
bin="$program_files/Bytelora/bin"
[ -f "$bin/bytelora-countd.exe" ] || fail "the install lacks bin/bytelora-countd.exe"

# Wine's sc has no qc nor query: the service's entry is read from the registry.
key='HKLM\System\CurrentControlSet\Services\bytelora-countd'
service=$(wine reg query "$key" 2>&1 | tr -d '\r')
echo "$service" | grep -Eq 'Start +REG_DWORD +0x2$' || { echo "$service" >&2; fail "the service does not start with Windows"; }
echo "$service" | grep -Eq 'ObjectName +REG_SZ +LocalSystem$' || { echo "$service" >&2; fail "the service does not run as LocalSystem"; }
echo "$service" | grep -Fq 'bytelora-countd.exe" --replay "C:\kernel-network.events"' \
  || { echo "$service" >&2; fail "the service was not given the recording"; }
# The table the recording holds: loopback, pid 0, a truncated event, a connect and
# another provider's events counted for no program.
expected='{"unit":"bytes","applications":[{"name":"browser.exe","executable":"C:\\Program Files\\Web Browser\\browser.exe","received":15800,"sent":517},{"name":"svchost.exe","executable":"C:\\Windows\\System32\\svchost.exe","received":4000,"sent":0},{"name":"chat.exe","executable":"C:\\Users\\alice\\AppData\\Local\\Chat\\chat.exe","received":300,"sent":200}],"other":null,"refused":0}'
ask_counter() {
  for i in $(seq 40); do
    apps=$(wine "$bin/bytelora-cli.exe" apps --json 2>"$work/apps.err") && return 0
    sleep 0.5
  done
  return 1
}
ask_counter || { cat "$work/apps.err" "$bin/bytelora-countd.log" >&2; fail "bytelora-cli.exe apps --json found no counter after the install"; }
apps=$(printf '%s' "$apps" | tr -d '\r')
[ "$apps" = "$expected" ] || { cat "$work/apps.err" "$bin/bytelora-countd.log" >&2; printf 'got:      %s\nexpected: %s\n' "$apps" "$expected" >&2; fail "apps --json is not the recording's table"; }

# An install over the running one (an upgrade): the earlier install is removed first,
# its service stopped and taken away, and the service runs again on the new files.
wine "$installer" /S '/REPLAY=C:\kernel-network.events' || fail "the install over the running one failed"
ask_counter || { cat "$work/apps.err" "$bin/bytelora-countd.log" >&2; fail "no counter after the install over the running one"; }
[ "$(printf '%s' "$apps" | tr -d '\r')" = "$expected" ] || fail "apps --json after the install over the running one is not the recording's table"

# The Applications window, from the tray menu: Show Bytelora, Interfaces..., Data usage...,
# Applications...
wine "$bin/bytelora.exe" >"$work/program.log" 2>&1 &
program_pid=$!
window=$(wait_for_window Bytelora 60) || { cat "$work/program.log" >&2; fail "no window titled Bytelora mapped"; }
tray=$(xdotool search --name '^Wine System Tray$' 2>/dev/null | head -n 1)
if [ -n "$tray" ]; then
  # On a loaded machine the menu may open after the keys were sent: tried three times.
  for try in 1 2 3; do
    xdotool mousemove --window "$tray" 8 8 click 3
    sleep $((try * 2))
    xdotool key Down Down Down Down Return
    apps_window=$(wait_for_window 'Bytelora - Applications' 15) && break
    xdotool key Escape
  done
  [ -n "$apps_window" ] || fail "Applications... in the tray menu did not open the window"
  sleep 2.5
  mkdir -p "$(dirname "$shot")"
  import -window "$apps_window" "$shot" || fail "no screenshot of the Applications window"
else
  echo "note: no wine system tray window to open the Applications window from"
fi
close_window "$window" "$program_pid" 15 || true
program_pid=

# Without the recording the service cannot count under wine: it stops with its one line,
# and the clients say that the counter is not running.
wine sc stop bytelora-countd >/dev/null 2>&1
for i in $(seq 20); do
  wine "$bin/bytelora-cli.exe" apps >/dev/null 2>&1 || break
  sleep 0.5
done
# What `sc config binPath=` does (wine's sc lacks it): the service made again, without
# --replay. (Changing ImagePath in the registry is not enough: wine's service manager
# keeps the entries it read when it started.)
wine sc delete bytelora-countd >/dev/null 2>&1 || fail "could not remove the service to change its command line"
wine sc create bytelora-countd binPath= "\"$(winepath -w "$bin/bytelora-countd.exe")\"" \
  start= auto obj= LocalSystem >/dev/null 2>&1 || fail "could not make the service again without the recording"
rm -f "$bin/bytelora-countd.log"
wine sc start bytelora-countd >/dev/null 2>&1
for i in $(seq 40); do
  [ -s "$bin/bytelora-countd.log" ] && break
  sleep 0.5
done
sleep 1
line=$(tr -d '\r' < "$bin/bytelora-countd.log" 2>/dev/null)
[ "$(echo "$line" | wc -l)" -eq 1 ] && echo "$line" | grep -q 'OpenTraceW' \
  || { echo "$line" >&2; fail "the service without a recording did not stop with one line on the trace session"; }
wine "$bin/bytelora-cli.exe" apps >"$work/apps.out" 2>&1
status=$?
[ "$status" -eq 1 ] || fail "apps without a running counter exited $status, not 1"
tr -d '\r' < "$work/apps.out" | grep -q '^The per-application counter is not running' \
  || { cat "$work/apps.out" >&2; fail "apps did not say that the counter is not running"; }

wine "$program_files/Bytelora/Uninstall.exe" /S || fail "the silent uninstall failed"
for i in $(seq 60); do
  [ -e "$bin/bytelora-countd.exe" ] || break
  sleep 0.5
done
[ -e "$bin/bytelora-countd.exe" ] && fail "the uninstaller left bin/bytelora-countd.exe"
# The uninstaller runs on from a copy of itself, and removes the service after the files.
for i in $(seq 30); do
  wine reg query "$key" >/dev/null 2>&1 || break
  sleep 1
done
wine reg query "$key" >/dev/null 2>&1 && fail "the uninstaller left the service"
echo "the counter service: installed with a recording, its table, its failure without one, removed"
