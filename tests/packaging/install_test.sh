#!/usr/bin/env bash
# cmake --install into a DESTDIR gives Debian's layout for games, the tree passes
# AppStream's tree check, and the installed game, started from /, finds its data and
# its English catalogue relative to itself and reaches the first briefing in English.
# Usage: install_test.sh BUILD_DIR APP_ID
set -euo pipefail
BUILD=$(cd "$1" && pwd)
ID=$2
HERE=$(cd "$(dirname "$0")" && pwd)
source "$HERE/layout.sh"
source "$HERE/../system/xvfb.sh"
game_test_frame install
T=$OUT
ROOT=$T/root

DESTDIR=$ROOT cmake --install "$BUILD" --prefix /usr >"$T/install.log" || { cat "$T/install.log" >&2; fail "cmake --install"; }
diff <(expected_layout "$BUILD/run" "$ID") <(cd "$ROOT" && find . ! -type d | sed 's#^\./##' | LC_ALL=C sort) ||
  fail "the installed files differ from the layout (< expected, > installed)"
echo "cmake --install: $(cd "$ROOT" && find . ! -type d | wc -l) files in Debian's layout for games"

for p in ponorka ponorka-replay; do [ -x "$ROOT/usr/games/$p" ] || fail "usr/games/$p is not executable"; done
for f in formal trebuchet copperlate; do
  link=$ROOT/usr/share/games/ponorka/data/fonts/$f.ttf
  [ -L "$link" ] && [ -f "$link" ] || fail "data/fonts/$f.ttf is not a link to an existing font"
  case $(readlink "$link") in /usr/share/fonts/*) ;; *) fail "data/fonts/$f.ttf links to $(readlink "$link")" ;; esac
done
for n in 48 64 128 256; do
  file -b "$ROOT/usr/share/icons/hicolor/${n}x$n/apps/ponorka.png" | grep -q "^PNG image data, $n x $n, 8-bit/color RGBA" ||
    fail "the ${n}x$n icon is $(file -b "$ROOT/usr/share/icons/hicolor/${n}x$n/apps/ponorka.png")"
done
for f in usr/share/man/man6/ponorka.6.gz usr/share/man/man6/ponorka-replay.6.gz usr/share/doc/ponorka/changelog.gz; do
  file -b "$ROOT/$f" | grep -q '^gzip compressed data, max compression' || fail "$f is $(file -b "$ROOT/$f")"
done
exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$ROOT/usr/share/applications/$ID.desktop")
icon_name=$(sed -n 's/^Icon=//p' "$ROOT/usr/share/applications/$ID.desktop")
[ -x "$ROOT/usr/games/$exec_name" ] || fail "the desktop entry starts '$exec_name', which is not installed"
[ -f "$ROOT/usr/share/icons/hicolor/48x48/apps/$icon_name.png" ] || fail "the desktop entry's icon '$icon_name' is not installed"
echo "programs, font links, icons, compressed pages; the desktop entry starts $exec_name with icon $icon_name"

rc=0
out=$(appstreamcli validate-tree --no-net "$ROOT" 2>&1) || rc=$?
[ "$rc" -eq 0 ] || fail "appstreamcli validate-tree (exit $rc): $out"
! grep -qE '^ *[EWI]: ' <<<"$out" || fail "appstreamcli validate-tree has remarks: $out"
echo "appstreamcli validate-tree --no-net: $(tail -n 1 <<<"$out")"

[ -f "$ROOT/usr/share/locale/en/LC_MESSAGES/ponorka.mo" ] || fail "no English catalogue in usr/share/locale"

# From /, with no data anywhere near the working directory, and no English locale.
xvfb_start
cd /
LANG=C LC_ALL= LANGUAGE= stdbuf -oL "$ROOT/usr/games/ponorka" --lang en >"$T/game.out" 2>"$T/game.err" &
GAME_PID=$!
wait_for_text "$T/game.out" "More sucessfully created!" 30 || { cat "$T/game.err" >&2; fail "the installed game did not start"; }
# The first briefing: the commander's portrait at (79, 119), 443 x 522.
portrait_shown() {
  screenshot "$T/probe.png"
  awk -v s="$(lit_share "$T/probe.png" 79 119 443 522)" 'BEGIN { exit !(s > 0.2) }'
}
wait_until 20 portrait_shown || fail "the installed game did not reach the first briefing"
briefing_settled "$T/briefing.png" 15 30 || fail "the installed game's first briefing was not typed out"
text_column "$T/briefing.png" "$T/column.png"
n=$(compare -metric AE "$HERE/../system/briefing-sk.png" "$T/column.png" null: 2>&1 || true)
[ "$n" -gt 1000 ] || fail "the installed game's first briefing with --lang en is the Slovak one ($n pixels differ)"
echo "the installed game, started from /, shows the first briefing, in English with --lang en"
