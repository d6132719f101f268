# Shared by the set-up scripts: the Qt for mingw and the throw-away wine prefixes that
# the Windows build's tests run in.

# The Qt 6 built for mingw-w64 (scripts/build-qt-windows makes one): BYTELORA_WINDOWS_QT
# names an unpacked one, else the archive in ../shared/qt6-mingw beside the tree is
# unpacked once into build/qt6-mingw-cache. Prints the Qt folder; prints nothing (and
# returns 1) when there is none.
BYTELORA_WINDOWS_QT_ARCHIVE_DIR="${BYTELORA_WINDOWS_QT_ARCHIVE_DIR:-$BYTELORA_ROOT/../shared/qt6-mingw}"
windows_qt_dir() {
  if [ -n "${BYTELORA_WINDOWS_QT:-}" ]; then
    [ -f "$BYTELORA_WINDOWS_QT/lib/cmake/Qt6/Qt6Config.cmake" ] || return 1
    echo "$BYTELORA_WINDOWS_QT"
    return 0
  fi
  local archive
  archive=$(ls "$BYTELORA_WINDOWS_QT_ARCHIVE_DIR"/qt6-mingw-*.tar.xz 2>/dev/null | sort -V | tail -n 1)
  [ -n "$archive" ] || return 1
  local cache="$BYTELORA_ROOT/build/qt6-mingw-cache"
  local name stamp
  name=$(basename "$archive" .tar.xz)
  stamp=$(stat -c '%s %Y' "$archive")
  if [ "$(cat "$cache/$name.stamp" 2>/dev/null)" != "$stamp" ]; then
    rm -rf "$cache/$name" "$cache/$name.stamp"
    mkdir -p "$cache/$name"
    tar -C "$cache/$name" -xJf "$archive" >&2 || return 1
    echo "$stamp" > "$cache/$name.stamp"
  fi
  [ -f "$cache/$name/qt6-mingw/lib/cmake/Qt6/Qt6Config.cmake" ] || return 1
  echo "$cache/$name/qt6-mingw"
}

# Why windows_qt_dir found nothing, in one line.
windows_qt_missing_reason() {
  if [ -n "${BYTELORA_WINDOWS_QT:-}" ]; then
    echo "BYTELORA_WINDOWS_QT=$BYTELORA_WINDOWS_QT holds no Qt (lib/cmake/Qt6 missing)"
  else
    echo "no Qt for mingw-w64 at ../shared/qt6-mingw (scripts/build-qt-windows makes one; point BYTELORA_WINDOWS_QT at it)"
  fi
}

# wine_prefix_start: a throw-away wine prefix for this run alone, with one wine server
# that stays up for the whole run (otherwise it quits between two short programs and the
# next one can start while it goes down), and Arial mapped to Liberation Sans, as wine
# has no Arial and would fall back to a serif face. wine_prefix_stop removes it.
wine_prefix_start() {
  WINEPREFIX=$(mktemp -d /tmp/bytelora-wine.XXXXXX)
  export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  wineserver -p
  wineboot --init >/dev/null 2>&1 || true
  local face
  for face in Arial "Microsoft Sans Serif"; do
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /t REG_SZ \
      /d "Liberation Sans" /f >/dev/null 2>&1 || true
  done
}
wine_prefix_stop() {
  [ -n "${WINEPREFIX:-}" ] || return 0
  wineserver -k >/dev/null 2>&1 || true
  rm -rf "$WINEPREFIX"
}
