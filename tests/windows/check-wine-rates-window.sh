#!/bin/bash
# The small meter ("Rates Window") of bytelora.exe under wine on a virtual display: with
# the choice stored in the registry, the meter "Bytelora Rates" maps beside the main
# window, at its stored place, and shows the rates. Without a window manager wine maps it
# unmanaged; its stacking against the main window is not checked here. A screenshot
# of the screen is kept, and one of the meter alone enlarged 4x.
# Usage: check-wine-rates-window.sh <runner> <bytelora.exe> <screenshot.png>
#   runner: the build's wine-run (Qt on WINEPATH), or plain wine for an installed copy
set -u
. "$(dirname "$0")/wine-desktop.sh"
trap desktop_stop EXIT
desktop_start

runner=$1 exe=$2 shot=$3
key='HKCU\Software\VB and VBA Program Settings\Quillmark\Bytelora'
for value in 'Rates Window=On' 'Rates Window Chart=On' 'Rates Window Left=820' 'Rates Window Top=120'; do
  wine reg add "$key" /v "${value%%=*}" /t REG_SZ /d "${value#*=}" /f >/dev/null 2>&1 ||
    fail "could not store ${value%%=*} in the registry"
done

"$runner" "$exe" >"$work/program.log" 2>&1 &
program_pid=$!
main=$(wait_for_window Bytelora 60) || { cat "$work/program.log" >&2; fail "no window titled Bytelora mapped"; }
meter=$(wait_for_window 'Bytelora Rates' 30) || fail "the meter did not show"
sleep 2
read -r x y < <(xwininfo -id "$meter" | awk '/Absolute upper-left X:/ { x = $4 } /Absolute upper-left Y:/ { y = $4 } END { print x, y }')
[ "$x,$y" = 820,120 ] || fail "the meter is at $x,$y, not at its stored 820,120"
# Wine leaves a topmost popup without a caption to no window manager (override-redirect:
# above managed windows and in no taskbar); a managed one carries the two states.
if ! xwininfo -id "$meter" | grep -q 'Override Redirect State: yes'; then
  state=$(xprop -id "$meter" _NET_WM_STATE 2>/dev/null)
  for atom in _NET_WM_STATE_ABOVE _NET_WM_STATE_SKIP_TASKBAR; do
    echo "$state" | grep -q "$atom" || fail "the meter's state lacks $atom ($state)"
  done
fi

mkdir -p "$(dirname "$shot")"
import -window root "$shot" || fail "no screenshot of the screen"
read -r w h < <(xwininfo -id "$meter" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w, h }')
convert "$shot" -crop "${w}x${h}+${x}+${y}" +repage -scale 400% "${shot%.png}-meter.png" ||
  fail "no enlarged picture of the meter"
echo "wine rates window ok: the meter shows at its stored place"
