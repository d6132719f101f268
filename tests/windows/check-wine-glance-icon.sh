#!/bin/bash
# bytelora.exe under wine with "Icon Shows: Rates" stored, in wine's own desktop (its
# taskbar and notification area, explorer's "shell" desktop): the notification-area icon
# is the rates picture the program drew, pixel for pixel, and a screenshot of the desktop
# is kept, with the icon enlarged 8x beside it.
# Usage: check-wine-glance-icon.sh <runner> <bytelora.exe> <screenshot.png>
#   runner: the build's wine-run (Qt on WINEPATH)
set -u
. "$(dirname "$0")/wine-desktop.sh"
trap desktop_stop EXIT
desktop_start

key='HKCU\Software\VB and VBA Program Settings\Quillmark\Bytelora'
wine reg add "$key" /v "Tray Icon" /t REG_SZ /d Rates /f >/dev/null 2>&1 ||
  fail "could not store the icon choice"
# Every program of the prefix in one desktop of wine's with its taskbar.
wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /t REG_SZ /d shell /f >/dev/null 2>&1 &&
  wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v shell /t REG_SZ /d 1024x768 /f \
    >/dev/null 2>&1 || fail "could not set up wine's desktop"

# The program writes each picture it draws here, for the comparison.
mkdir -p "$work/icons"
BYTELORA_TRAY_ICON_DUMP=$(winepath -w "$work/icons" 2>/dev/null) || fail "no wine path for the pictures"
export BYTELORA_TRAY_ICON_DUMP
"$1" "$2" >"$work/program.log" 2>&1 &
program_pid=$!

desktop=$(wait_for_window 'shell - Wine desktop' 60) ||
  desktop=$(xdotool search --onlyvisible --name 'Wine desktop' 2>/dev/null | head -n 1)
[ -n "$desktop" ] || { cat "$work/program.log" >&2; fail "no wine desktop"; }

# The window first, so that the screenshot shows the program whole.
wait_for_window Bytelora 60 >/dev/null || echo "note: no window titled Bytelora on wine's desktop"

# The icon, once drawn, is somewhere in the taskbar's notification area at the bottom
# right: the picture of the size the taskbar asked for, found there pixel for pixel. The
# rates change once a second, so a few grabs are tried.
mkdir -p "$(dirname "$3")"
found=
for try in $(seq 40); do
  sleep 0.5
  import -window root "$work/screen.png" 2>/dev/null || continue
  convert "$work/screen.png" -gravity SouthEast -crop 300x60+0+0 +repage "$work/corner.png"
  for drawn in "$work/icons"/glance-*.png; do
    [ -e "$drawn" ] || continue
    at=$(compare -metric AE -subimage-search "$work/corner.png" "$drawn" null: 2>&1 || true)
    if [[ $at =~ ^0\ .*@\ ([0-9]+),([0-9]+) ]]; then
      found=$drawn
      side=$(identify -format %w "$drawn")
      break 2
    fi
  done
done
cp "$work/screen.png" "$3"
[ -n "$found" ] || fail "no rates picture the program drew is in wine's notification area (screenshot $3)"
convert "$work/corner.png" -crop "${side}x${side}+${BASH_REMATCH[1]}+${BASH_REMATCH[2]}" +repage \
  -filter point -resize 800% "${3%.png}-icon-8x.png"
echo "wine glance icon ok: the notification area shows the ${side}-pixel rates picture the program drew"
