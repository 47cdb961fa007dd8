#!/usr/bin/env bash
# Builds docs/contact_sheet.png from the generated assets, so the sheet can be remade
# after any change to the art. Usage: scripts/contact_sheet.sh [RUN_DIR]
# (default: build/run, or $PONORKA_BUILD_DIR/run). Needs ImageMagick.
set -euo pipefail
cd "$(dirname "$0")/.."
RUN=${1:-${PONORKA_BUILD_DIR:-build}/run}
OUT=docs/contact_sheet.png
if [ ! -f "$RUN/gfx/torpedo.tga" ]; then
  echo "contact_sheet.sh: no assets in $RUN; build the project first (scripts/build.sh)" >&2
  exit 1
fi
TMP=$(mktemp -d)
trap 'rm -rf "$TMP"' EXIT
BG='#090020' # the game's night sea
LABEL=(-font "$RUN/data/fonts/trebuchet.ttf" -pointsize 13 -fill '#c8d0e0' -background '#1a1d26')

# A sprite: magenta made transparent, shown enlarged with hard pixels on the sea colour.
sprite() {
  convert "$RUN/$1" -auto-orient -fill none -fuzz 0 -opaque '#ff00ff' \
    -filter point -resize "$2%" -background "$BG" -flatten \
    -bordercolor '#1a1d26' -border 8 "$TMP/$3.png"
}
# A full picture, reduced.
picture() {
  convert "$RUN/$1" -auto-orient -resize "$2%" -bordercolor '#1a1d26' -border 8 "$TMP/$3.png"
}
caption() {
  convert "$TMP/$1.png" "${LABEL[@]}" label:"$2" -gravity center -append "$TMP/$1.png"
}

sprite gfx/submarine/sub_player_right.tga 400 a1; caption a1 "sub_player_right.tga 100x25"
sprite gfx/submarine/sub_player_left.tga 400 a2; caption a2 "sub_player_left.tga 100x25"
sprite gfx/submarine/nepriatel.tga 400 a3; caption a3 "nepriatel.tga 50x25"
sprite gfx/torpedo.tga 800 a4; caption a4 "torpedo.tga 20x10"
sprite gfx/gulomet.tga 800 a5; caption a5 "gulomet.tga 12x6"
sprite gfx/shop/cursor.bmp 400 a6; caption a6 "cursor.bmp 32x32"
convert "$TMP/a1.png" "$TMP/a2.png" -background '#1a1d26' -gravity center +append "$TMP/row1.png"
convert "$TMP/a3.png" "$TMP/a4.png" "$TMP/a5.png" "$TMP/a6.png" -background '#1a1d26' -gravity center +append "$TMP/row2.png"

picture gfx/briefing/zorvik.tga 100 b1; caption b1 "briefing/zorvik.tga 443x522"
picture gfx/shop/dock.tga 41 b2; caption b2 "shop/dock.tga 1280x1024"
convert "$TMP/b1.png" "$TMP/b2.png" -background '#1a1d26' -gravity center +append "$TMP/row3.png"

i=0
for item in torpedo navnada; do
  for state in unselected selected unactive; do
    picture "gfx/shop/${item}_${state}.tga" 50 "c$i"; caption "c$i" "${item}_${state}.tga 400x400"
    i=$((i + 1))
  done
done
convert "$TMP"/c{0,1,2,3,4,5}.png -background '#1a1d26' +append "$TMP/row4.png"

f=0
for font in formal trebuchet copperlate; do
  convert -background '#1a1d26' -fill '#f0e6c8' -font "$RUN/data/fonts/$font.ttf" -pointsize 30 \
    label:"$font.ttf  Press ENTER to continue  CONTINUE  \$ 50" -bordercolor '#1a1d26' -border 8 "$TMP/f$f.png"
  f=$((f + 1))
done
convert "$TMP"/f{0,1,2}.png -background '#1a1d26' -gravity west -append "$TMP/row5.png"

mkdir -p docs
convert "$TMP"/row{1,2,3,4,5}.png -background '#1a1d26' -gravity center -append -strip -depth 8 \
  -define png:exclude-chunks=date,time "$OUT"
echo "wrote $OUT"
