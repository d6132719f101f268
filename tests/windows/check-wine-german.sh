#!/bin/bash
# bytelora.exe under wine with a German user: wine takes the user's locale and display
# language from LANG, so LANG=de_DE.UTF-8 (with the locale generated on the host) makes a
# German Windows user. A screenshot of the main window and of its graph window is kept.
# Once the German translation is merged, the graph window must carry the German title
# that bytelora_de.ts gives "Bandwidth Graph" (what the built-in .qm files hold, found
# by the Windows display language); until then the check ends as skipped after the
# screenshots.
# Usage: check-wine-german.sh <runner> <bytelora.exe> <bytelora_de.ts> <screenshot.png>
set -u
. "$(dirname "$0")/wine-desktop.sh"
runner=$1 exe=$2 ts=$3 shot=$4
locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$' ||
  { echo "skipped: the locale de_DE.UTF-8 is not generated (Debian's locales package)"; exit 77; }
export LANG=de_DE.UTF-8
unset LANGUAGE LC_ALL LC_MESSAGES
trap desktop_stop EXIT
desktop_start

# The German for "Bandwidth Graph" in the translators' file; empty while unfinished.
german_title=$(awk '/<source>Bandwidth Graph<\/source>/ { found = 1; next }
                    found && /<translation/ { if ($0 !~ /unfinished/) { sub(/.*<translation[^>]*>/, ""); sub(/<\/translation>.*/, ""); print } exit }' "$ts")

"$runner" "$exe" >"$work/program.log" 2>&1 &
program_pid=$!
window=$(wait_for_window Bytelora 60) || { cat "$work/program.log" >&2; fail "no window titled Bytelora mapped"; }
sleep 2  # its first countdown second
mkdir -p "$(dirname "$shot")"
import -window "$window" "$shot" || fail "no screenshot of the window"

# "View History Graph" from the keyboard, wherever a longer text put it: the focus starts
# on the snapshot list, and the graph button is the fourth stop after it.
xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool key --clearmodifiers Tab Tab Tab Tab space
title=${german_title:-Bandwidth Graph}
wait_for_window "$title" 20 >/dev/null || fail "the graph button opened no window titled \"$title\""
import -window root "${shot%.png}-graph.png" || fail "no screenshot of the graph window"

close_window "$window" "$program_pid" 15 || fail "closing the window did not end the process"
program_pid=
if [ -z "$german_title" ]; then
  echo "skipped: bytelora_de.ts does not translate \"Bandwidth Graph\" yet; screenshots taken"
  exit 77
fi
echo "wine German run ok: the graph window is titled \"$german_title\""
