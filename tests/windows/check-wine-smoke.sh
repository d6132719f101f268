#!/bin/bash
# bytelora.exe under wine on a virtual display, with the windows platform plugin: its
# window "Bytelora" maps, the history log in wine's %TEMP% gets well-formed CR LF lines
# within 12 seconds (logging every 5 seconds is the default), a second start hands over
# to it and ends, the settings it stores land in the registry, where `wine reg query` reads them back, and closing the window ends
# the process. A screenshot of the window is kept.
# Usage: check-wine-smoke.sh <runner> <bytelora.exe> <screenshot.png>
#   runner: the build's wine-run (Qt on WINEPATH), or plain wine for an installed copy
set -u
. "$(dirname "$0")/wine-desktop.sh"
trap desktop_stop EXIT
desktop_start

smoke_check "$1" "$2" "$3"
echo "wine smoke run ok: window mapped, history log written, settings stored, closed"
