#!/bin/sh
# Renders the program's and the tray's pictures from their drawings. The PNGs are kept in
# the tree, so a build never needs this; run it after changing an SVG.
# Needs rsvg-convert (Debian: librsvg2-bin) and ImageMagick's convert for the .ico.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
tray="$here/../../tray/icons"

for n in 16 32 48 64 128 256; do
  mkdir -p "$here/hicolor/${n}x${n}/apps"
  rsvg-convert -w "$n" -h "$n" "$here/bytelora.svg" -o "$here/hicolor/${n}x${n}/apps/bytelora.png"
done
convert "$here/hicolor/16x16/apps/bytelora.png" "$here/hicolor/32x32/apps/bytelora.png" \
        "$here/hicolor/48x48/apps/bytelora.png" "$here/hicolor/256x256/apps/bytelora.png" \
        "$here/bytelora.ico"

for n in 16 22 24 32 48; do
  rsvg-convert -w "$n" -h "$n" "$tray/tray-q.svg" -o "$tray/tray-q-$n.png"
done
