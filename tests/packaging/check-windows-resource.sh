#!/bin/sh
# The resource of bytelora.exe (its icon and version details) compiles with the Windows
# resource compiler and carries the icon.
# Usage: check-windows-resource.sh <windres> <source dir> <version>
set -eu
windres=$1
src=$2
version=$3
work=$(mktemp -d "${TMPDIR:-/tmp}/bytelora-rc.XXXXXX")
trap 'rm -rf "$work"' EXIT
major=${version%%.*}; rest=${version#*.}; minor=${rest%%.*}; patch=${rest#*.}
sed -e "s|@BYTELORA_ICO@|$src/packaging/icons/bytelora.ico|" \
    -e "s|@PROJECT_VERSION_MAJOR@|$major|g; s|@PROJECT_VERSION_MINOR@|$minor|g" \
    -e "s|@PROJECT_VERSION_PATCH@|$patch|g; s|@PROJECT_VERSION@|$version|g" \
    "$src/packaging/windows/bytelora.rc.in" > "$work/bytelora.rc"
"$windres" "$work/bytelora.rc" -O coff -o "$work/bytelora.res"
ico_size=$(wc -c < "$src/packaging/icons/bytelora.ico")
res_size=$(wc -c < "$work/bytelora.res")
[ "$res_size" -gt "$ico_size" ] || { echo "FAIL: the resource lacks the icon" >&2; exit 1; }
echo "windows resource ok"
