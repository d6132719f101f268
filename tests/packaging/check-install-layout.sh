#!/bin/sh
# cmake --install into a fresh prefix lays out a desktop installation: the programs, the
# help page, the desktop entry, the icons in the theme and the metainfo, and nothing else;
# the entry and the metainfo pass the desktop's own validators.
# Usage: check-install-layout.sh <build dir> <version>
set -eu
build=$1
prefix=$(mktemp -d "${TMPDIR:-/tmp}/bytelora-install.XXXXXX")
trap 'rm -rf "$prefix"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null

id=org.bytelora.Bytelora
expected="bin/bytelora
bin/bytelora-cli
share/applications/$id.desktop
share/bytelora/help/bytelora-help.html
share/icons/hicolor/128x128/apps/$id.png
share/icons/hicolor/16x16/apps/$id.png
share/icons/hicolor/256x256/apps/$id.png
share/icons/hicolor/32x32/apps/$id.png
share/icons/hicolor/48x48/apps/$id.png
share/icons/hicolor/64x64/apps/$id.png
share/icons/hicolor/scalable/apps/$id.svg
share/metainfo/$id.metainfo.xml"
# With the per-application counter (packaged where it was built): its program and its service.
if grep -q '^set(CPACK_COMPONENTS_ALL ".*countd' "$build/CPackConfig.cmake"; then
  expected=$(printf '%s\nlib/systemd/system/bytelora-countd.service\nsbin/bytelora-countd\n' "$expected" | LC_ALL=C sort)
fi
actual=$(cd "$prefix" && find . \( -type f -o -type l \) | sed 's|^\./||' | LC_ALL=C sort)
[ "$actual" = "$expected" ] || {
  printf 'installed:\n%s\n\nexpected:\n%s\n' "$actual" "$expected" >&2
  fail "the installed files differ from the desktop layout"
}

for program in bytelora bytelora-cli; do
  [ -x "$prefix/bin/$program" ] || fail "bin/$program is not executable"
done
"$prefix/bin/bytelora-cli" --help >/dev/null || fail "the installed bytelora-cli does not run"

# Each theme icon is a PNG of the size its folder names.
for size in 16 32 48 64 128 256; do
  png="$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png"
  head -c 24 "$png" | od -An -tx1 | tr -d ' \n' | grep -q '^89504e470d0a1a0a' \
    || fail "$png is not a PNG"
  width=$(od -An -tu1 -j16 -N8 "$png" | awk '{print $3*256+$4 "x" $7*256+$8}')
  [ "$width" = "${size}x${size}" ] || fail "$png is $width, not ${size}x${size}"
done

if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop entry invalid"
else
  echo "desktop-file-validate missing (Debian: desktop-file-utils)" >&2
  exit 77
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >/dev/null \
    || { appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >&2; fail "metainfo invalid"; }
else
  echo "appstreamcli missing (Debian: appstream)" >&2
  exit 77
fi
echo "install layout ok"
