#!/bin/bash
# bytelora.exe under wine with "Icon Shows: Rates" stored, in wine's own desktop (its
# taskbar and notification area, explorer's "shell" desktop): the notification-area icon
# is the rates picture the program drew, pixel for pixel, and a screenshot of the desktop
# is kept, with the icon enlarged 8x beside it. As root, the check runs in a network
# namespace of its own whose default route is a veth with paced traffic on it, and the
# icon must change from the quiet rates it starts with; elsewhere the rates stay quiet.
# Usage: check-wine-glance-icon.sh <runner> <bytelora.exe> <screenshot.png>
#   runner: the build's wine-run (Qt on WINEPATH)
set -u
here=$(dirname "$0")
if [ -z "${BYTELORA_GLANCE_TRAFFIC:-}" ] && [ "$(id -u)" -eq 0 ] && command -v ip >/dev/null &&
  ip netns add "blwprobe-$$" 2>/dev/null; then
  ip netns del "blwprobe-$$"
  . "$here/../support/netns.sh"
  ns_app=blwine-app-$$
  ns_peer=blwine-peer-$$
  netns_pair --no-ipv6 "$ns_app" "$ns_peer" blwine0 blwine1 10.24.0.1/24 10.24.0.2/24 || exit 1
  ip -n "$ns_app" route add default via 10.24.0.2
  # Datagrams to an address whose made-up hardware address nobody has: counted on the
  # veth, answered by none.
  ip -n "$ns_app" neigh add 10.24.0.9 lladdr 02:00:00:00:00:09 dev blwine0
  ip -n "$ns_peer" neigh add 10.24.0.8 lladdr 02:00:00:00:00:08 dev blwine1
  senders=()
  pace() {  # pace <namespace> <address> <1 kB datagrams a tenth of a second>
    ip netns exec "$1" bash -c 'exec 3>"/dev/udp/$0/9"
      payload=$(head -c 1000 /dev/zero | tr "\0" x)
      while :; do
        for ((sent = 0; sent < $1; sent++)); do printf %s "$payload" >&3; done
        sleep 0.1
      done' "$2" "$3" &
    senders+=($!)
  }
  stop_senders() { kill "${senders[@]}" 2>/dev/null; }
  netns_at_exit stop_senders
  pace "$ns_peer" 10.24.0.8 30
  pace "$ns_app" 10.24.0.9 10
  BYTELORA_GLANCE_TRAFFIC=1 ip netns exec "$ns_app" bash "$0" "$@"
  exit $?
fi
. "$here/wine-desktop.sh"
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
# With traffic, a picture other than the first one found must follow.
found=
first=
for try in $(seq 60); do
  sleep 0.5
  import -window root "$work/screen.png" 2>/dev/null || continue
  convert "$work/screen.png" -gravity SouthEast -crop 300x60+0+0 +repage "$work/corner.png"
  for drawn in "$work/icons"/glance-*.png; do
    [ -e "$drawn" ] || continue
    at=$(compare -metric AE -subimage-search "$work/corner.png" "$drawn" null: 2>&1 || true)
    [[ $at =~ ^0\ .*@\ ([0-9]+),([0-9]+) ]] || continue
    side=$(identify -format %w "$drawn")
    convert "$work/corner.png" -crop "${side}x${side}+${BASH_REMATCH[1]}+${BASH_REMATCH[2]}" \
      +repage "$work/icon.png"
    [ -n "$first" ] || { first=$work/first.png; cp "$work/icon.png" "$first"; }
    if [ -z "${BYTELORA_GLANCE_TRAFFIC:-}" ] ||
      ! compare -metric AE "$first" "$work/icon.png" null: >/dev/null 2>&1; then
      found=$drawn
      break 2
    fi
  done
done
cp "$work/screen.png" "$3"
[ -n "$first" ] || fail "no rates picture the program drew is in wine's notification area (screenshot $3)"
[ -n "$found" ] || fail "the rates icon did not change with the traffic (screenshot $3)"
convert "$work/icon.png" -filter point -resize 800% "${3%.png}-icon-8x.png"
echo "wine glance icon ok: the notification area shows the ${side}-pixel rates picture the program drew"
