#!/bin/sh
# The desktop entry, the metainfo and the icons name one another: the entry's Icon=
# is an installed icon name, the metainfo launches the entry and lists the current
# version as its newest release.
# Usage: check-entries-match.sh <source dir> <version>
set -eu
src=$1
version=$2
id=org.bytelora.Bytelora
entry="$src/packaging/linux/$id.desktop"
metainfo="$src/packaging/linux/$id.metainfo.xml"
fail() { echo "FAIL: $*" >&2; exit 1; }

value() { sed -n "s/^$1=//p" "$entry"; }
[ "$(value Icon)" = "$id" ] || fail "Icon=$(value Icon), the theme icons are named $id"
[ "$(value Exec)" = "bytelora" ] || fail "Exec=$(value Exec), the program is bytelora"
[ "$(value Name)" = "Bytelora" ] || fail "Name=$(value Name)"
[ "$(value Type)" = "Application" ] || fail "Type=$(value Type)"

grep -q "<id>$id</id>" "$metainfo" || fail "metainfo id is not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" \
  || fail "metainfo does not launch $id.desktop"
newest=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$metainfo" | head -n 1)
[ "$newest" = "$version" ] || fail "newest release in the metainfo is $newest, the project is $version"

[ -f "$src/packaging/icons/bytelora.svg" ] || fail "no scalable icon"
grep -q '<svg' "$src/packaging/icons/bytelora.svg" || fail "bytelora.svg is no SVG"
echo "entries match"
