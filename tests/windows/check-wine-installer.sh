#!/bin/bash
# The NSIS installer as a user runs it, silently, in a fresh wine prefix that has no Qt:
# `/S` installs Bytelora, the installed bytelora.exe runs on what the installer laid
# out (the same checks as the smoke run), and the uninstaller removes the program and
# the start-with-Windows value it was given.
# Usage: check-wine-installer.sh <build dir> <screenshot.png>
set -u
. "$(dirname "$0")/wine-desktop.sh"
build=$1 shot=$2
command -v makensis >/dev/null || { echo "makensis missing (Debian: nsis)" >&2; exit 77; }
trap desktop_stop EXIT

packages=$(mktemp -d "${TMPDIR:-/tmp}/bytelora-nsis.XXXXXX")
trap 'desktop_stop; rm -rf "$packages"' EXIT
cpack --config "$build/CPackConfig.cmake" -G NSIS -B "$packages" >"$packages/cpack.log" 2>&1 \
  || { cat "$packages/cpack.log" >&2; fail "cpack -G NSIS failed"; }
installer=$(ls "$packages"/bytelora-*-win64.exe 2>/dev/null | head -n 1)
[ -n "$installer" ] || { ls "$packages" >&2; fail "no bytelora-<version>-win64.exe"; }

desktop_start
wine "$installer" /S || fail "the silent install failed"
program_files=$(winepath -u "$(wine cmd /c echo %ProgramFiles% 2>/dev/null | tr -d '\r')")
home="$program_files/Bytelora"
for file in bin/bytelora.exe bin/bytelora-cli.exe bin/Qt6Core.dll bin/Qt6Widgets.dll bin/Qt6Sql.dll \
            bin/libstdc++-6.dll bin/libgcc_s_seh-1.dll bin/libwinpthread-1.dll bin/qt.conf \
            bin/plugins/platforms/qwindows.dll bin/plugins/styles/qwindowsvistastyle.dll \
            bin/plugins/sqldrivers/qsqlite.dll share/bytelora/help/bytelora-help.html Uninstall.exe; do
  [ -f "$home/$file" ] || { (cd "$home" 2>/dev/null && find . -type f) >&2; fail "the install lacks $file"; }
done
menu=$(find "$WINEPREFIX/drive_c" -ipath '*start menu*' -iname 'Bytelora*.lnk' | head -n 1)
[ -n "$menu" ] || fail "no Start-menu entry for Bytelora"

# No WINEPATH, no QT_PLUGIN_PATH: only what the installer put there.
unset WINEPATH QT_PLUGIN_PATH
smoke_check wine "$home/bin/bytelora.exe" "$shot"

wine "$home/Uninstall.exe" /S || fail "the silent uninstall failed"
# The uninstaller copies itself away and runs from there: give it time to finish.
for i in $(seq 60); do
  [ -e "$home/bin/bytelora.exe" ] || break
  sleep 0.5
done
[ -e "$home/bin/bytelora.exe" ] && fail "the uninstaller left bin/bytelora.exe"
run=$(wine reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Run' /v bytelora.exe 2>&1 | tr -d '\r')
echo "$run" | grep -q 'REG_SZ' && { echo "$run" >&2; fail "the uninstaller left the Run value"; }
echo "silent install, run and uninstall ok"
