#!/usr/bin/env bash
# The picture on screens of other sizes, under Xvfb.
# Usage: display_test.sh RUN_DIR scale|desktop|switch [ARTEFACTS [sanitized]]
#   scale    a 2048x1536 screen: --windowed --scale 2 is a 2048x1536 window; F12
#            in the settled briefing writes a 1024x768 PNG into the pictures
#            folder's Ponorka folder, and the window is that picture doubled
#            pixel for pixel; in the first shop a click at the doubled place of
#            the torpedo buys one.
#   desktop  a 1920x1080 screen: --fullscreen-desktop puts the briefing in a
#            1440x1080 picture in the middle, black at both sides (kept in
#            ARTEFACTS as fullscreen-desktop.png); in the first shop a click on
#            the black border buys nothing, one on the fitted torpedo buys it.
#   switch   a 2048x1536 screen, recording a demo in a window: Alt+Enter in
#            the briefing makes it full screen and back without closing it;
#            in the mission's pause it makes it full screen at the desktop's
#            size (the mission drawn doubled, going on after P) and keeps the
#            choice in the settings file; in the shop it makes a window again,
#            whose torpedo a click buys; in the controls card over the shop,
#            full screen again; the replay tool plays the demo to the same lines,
#            and the game plays it back in a window at scale 2 with its overlay.
# With "sanitized" the binaries are the ASan+UBSan build: a sanitizer's report fails.
set -euo pipefail
RUN_DIR=$(cd "$1" && pwd)
MODE=$2
ART=${3:-}
SANITIZED=${4:-}
HERE=$(cd "$(dirname "$0")" && pwd)
source "$HERE/xvfb.sh"
game_test_frame "$MODE"
export HOME=$OUT XDG_DATA_HOME=$OUT/data
if [ "$SANITIZED" = sanitized ]; then
  export ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:verify_asan_link_order=0:fast_unwind_on_malloc=0
  export LSAN_OPTIONS=suppressions=$HERE/lsan.supp:print_suppressions=0
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
fi
cd "$RUN_DIR"

# The last line of the opening briefing has been typed (at scale N).
briefing_typed() {
  local n=$1
  screenshot "$OUT/probe.png"
  awk -v s="$(lit_share "$OUT/probe.png" $((562 * n)) $((457 * n)) $((420 * n)) $((22 * n)))" 'BEGIN { exit !(s > 0.01) }'
}
start_game() {
  stdbuf -oL ./ponorka "$@" >"$OUT/game.out" 2>"$OUT/game.err" &
  GAME_PID=$!
  wait_for_text "$OUT/game.out" "More sucessfully created!" 30 || fail "no start-up"
}
leave_game() {
  key_tap Escape
  wait_for_exit "$GAME_PID" 10 || fail "the game did not end"
  GAME_PID=
  [ "$EXIT_RC" = 0 ] || fail "exit code $EXIT_RC: $(tail -n 5 "$OUT/game.err")"
  ! grep -qE 'ERROR: (Address|Leak)Sanitizer|runtime error:' "$OUT/game.err" || fail "sanitizer report: $(head -n 20 "$OUT/game.err")"
}
window_is() { xwininfo -root -tree | grep -qE "\"ponorka\": \(\"allegro\" \"Allegro\"\) +$1\+0\+0"; }
# The shop's grey CONTINUE outline at (400, 517), at scale N.
shop_shown() {
  screenshot "$OUT/shop.png" && pixel_is_near "$OUT/shop.png" $((400 * $1)) $((517 * $1)) 128 128 128
}
# Mission 1's enemy sunk with the torpedo key held, then Return held through the
# briefing after it until the command "$@" sees the shop.
into_the_shop() {
  xdotool keydown f
  wait_for_count "$OUT/game.out" ' Uber 1$' 1 120 || fail "the mission 1 enemy was not sunk"
  xdotool keydown Return
  xdotool keyup f
  wait_until 20 "$@" || fail "the shop did not appear ($*)"
  xdotool keyup Return
}
# Pixels that differ (beyond the rounding of 16-bit colour) between two images.
differing() { compare -metric AE -fuzz 3% "$1" "$2" null: 2>&1 || true; }

case "$MODE" in
scale)
  xvfb_start 2048x1536
  mkdir -p "$XDG_CONFIG_HOME"
  echo 'XDG_PICTURES_DIR="$HOME/Obrazky"' >"$XDG_CONFIG_HOME/user-dirs.dirs"
  start_game --windowed --scale 2
  wait_until 20 window_is 2048x1536 || { xwininfo -root -tree >&2; fail "no 2048x1536 window"; }
  wait_until 20 briefing_typed 2 || fail "the briefing was not typed out at scale 2"
  key_tap F12
  wait_until 5 ls "$HOME"/Obrazky/Ponorka/ponorka-*.png || fail "F12 wrote no screenshot"
  png=$(ls "$HOME"/Obrazky/Ponorka/ponorka-*.png)
  [[ $(basename "$png") =~ ^ponorka-[0-9]{8}-[0-9]{6}\.png$ ]] || fail "screenshot name $(basename "$png")"
  [ "$(identify -format '%wx%h' "$png")" = 1024x768 ] || fail "the screenshot is not 1024x768"
  # The note goes after two seconds; the prompt below the text keeps pulsing.
  sleep 2.5
  screenshot "$OUT/doubled.png"
  im_convert "$png" -filter point -resize 200% -crop 2048x1280+0+0 +repage -depth 8 "$OUT/expected.png"
  im_convert "$OUT/doubled.png" -crop 2048x1280+0+0 +repage -depth 8 "$OUT/got.png"
  d=$(differing "$OUT/expected.png" "$OUT/got.png")
  [ "$d" = 0 ] || fail "the window is not the screenshot doubled: $d pixels differ"
  # The same picture a pixel off is far from it: the comparison sees a shift.
  im_convert "$png" -filter point -resize 200% -crop 2048x1280+2+0 +repage -depth 8 "$OUT/shifted.png"
  [ "$(differing "$OUT/shifted.png" "$OUT/got.png")" -gt 10000 ] || fail "the comparison sees no shift"
  echo "scale 2: a 2048x1536 window, the briefing the 1x screenshot doubled pixel for pixel"

  key_tap Return
  wait_for_count "$OUT/game.out" '^Objekt 1  ' 1 10 || fail "mission 1 did not start"
  into_the_shop shop_shown 2
  mouse_to 700 460 || fail "the pointer did not move"
  sleep 0.3
  mouse_click
  wait_for_count "$OUT/game.out" '^Torpedo kupene$' 1 5 || fail "a click on the doubled torpedo bought nothing"
  echo "scale 2: a click at (700, 460) bought a torpedo"
  leave_game
  ;;
desktop)
  xvfb_start 1920x1080
  start_game --fullscreen-desktop
  # Its last line at (562, 457), 420 x 22 in the picture: x 240 + 1.40625 x, y 1.40625 y.
  typed_fitted() {
    screenshot "$OUT/probe.png"
    awk -v s="$(lit_share "$OUT/probe.png" 1030 642 590 31)" 'BEGIN { exit !(s > 0.01) }'
  }
  wait_until 20 typed_fitted || fail "the briefing was not typed out in the fitted picture"
  screenshot "$OUT/desktop.png"
  [ -z "$ART" ] || { mkdir -p "$ART" && cp "$OUT/desktop.png" "$ART/fullscreen-desktop.png"; }
  # Black at both sides of the 1440x1080 picture at x 240..1679.
  [ "$(lit_share "$OUT/desktop.png" 0 0 240 1080)" = 0 ] || fail "the left border is not black"
  [ "$(lit_share "$OUT/desktop.png" 1680 0 240 1080)" = 0 ] || fail "the right border is not black"
  # The portrait (79, 119, 443 x 522 in the picture) lit in its fitted place.
  awk -v s="$(lit_share "$OUT/desktop.png" 351 167 622 734)" 'BEGIN { exit !(s > 0.2) }' ||
    fail "no portrait in the fitted picture"
  xwininfo -root -tree | grep -qE '1920x1080\+0\+0' || fail "nothing covers the 1920x1080 screen"
  echo "--fullscreen-desktop: the picture 1440x1080 in the middle of 1920x1080, black at the sides"

  key_tap Return
  wait_for_count "$OUT/game.out" '^Objekt 1  ' 1 10 || fail "mission 1 did not start"
  # The shop's grey CONTINUE outline at (400, 517) in the picture, fitted.
  continue_fitted() {
    screenshot "$OUT/shop.png"
    pixel_is_near "$OUT/shop.png" 802 727 128 128 128 || pixel_is_near "$OUT/shop.png" 802 728 128 128 128
  }
  into_the_shop continue_fitted
  # (220, 230) is on the black border; in the picture's own pixels it would be the torpedo.
  mouse_to 220 230 || fail "the pointer did not move"
  sleep 0.3
  mouse_click
  sleep 1
  [ "$(count_lines "$OUT/game.out" '^Torpedo kupene$')" -eq 0 ] || fail "a click on the black border bought a torpedo"
  # The torpedo at (350, 230) in the picture: 240 + 350 x 1.40625, 230 x 1.40625.
  mouse_to 732 323 || fail "the pointer did not move"
  sleep 0.3
  mouse_click
  wait_for_count "$OUT/game.out" '^Torpedo kupene$' 1 5 || fail "a click on the fitted torpedo bought nothing"
  echo "--fullscreen-desktop shop: the border buys nothing, the fitted torpedo at (732, 323) is bought"
  leave_game
  ;;
switch)
  xvfb_start 2048x1536
  start_game --windowed --record "$OUT/a.demo"
  wait_until 20 window_is 1024x768 || fail "no 1024x768 window"
  # Without a window manager the keys go to the window under the pointer.
  mouse_to 512 384 || fail "the pointer did not move"
  wait_until 20 briefing_typed 1 || fail "the briefing was not typed out"
  # In the briefing: full screen and back; its Enter closes nothing.
  alt_enter() {
    xdotool keydown alt
    key_tap Return
    xdotool keyup alt
  }
  alt_enter
  wait_until 10 briefing_typed 2 || fail "the briefing is not drawn doubled after Alt+Enter"
  alt_enter
  wait_until 10 window_is 1024x768 || fail "Alt+Enter in full screen gave no 1024x768 window"
  # The keys' window is under the pointer (the full screen's grab may have moved it a little).
  xdotool mousemove 512 384
  wait_until 10 briefing_typed 1 || fail "the briefing is not drawn again in the window"
  [ "$(count_lines "$OUT/game.out" '^Objekt 1  ')" -eq 0 ] || fail "the Enter of Alt+Enter closed the briefing"
  key_tap Return
  wait_for_count "$OUT/game.out" '^Objekt 1  ' 1 10 || fail "mission 1 did not start"
  xdotool keydown Right
  sleep 1
  # In the pause: full screen; the pause goes on until P.
  key_tap p
  sleep 0.3
  alt_enter
  sleep 1
  xdotool keyup Right
  key_tap p
  # The mission goes on after the switch, not paused, and takes the keys.
  key_tap f 0.5
  wait_for_count "$OUT/game.out" '^Objekt 50  ' 1 5 || fail "no torpedo fired after Alt+Enter"
  # The status bar's grey at (5, 740), doubled, on a screen that is all the game's.
  wait_until 10 eval 'screenshot "$OUT/m.png" && pixel_is_near "$OUT/m.png" 10 1480 128 128 128' ||
    fail "the mission is not drawn doubled after Alt+Enter"
  grep -qx 'mode = fullscreen-desktop' "$XDG_CONFIG_HOME/ponorka/ponorka.cfg" ||
    fail "the switch was not kept in the settings file"
  # The card's grey left border at (102, 384), black inside it, at scale N.
  card_shown() {
    screenshot "$OUT/card.png" && pixel_is_near "$OUT/card.png" $((102 * $1)) $((384 * $1)) 128 128 128 &&
      pixel_is_near "$OUT/card.png" $((104 * $1 + $1)) $((384 * $1)) 0 0 0
  }
  into_the_shop shop_shown 2
  # In the shop: a window again, whose torpedo the pointer buys.
  alt_enter
  wait_until 10 window_is 1024x768 || fail "Alt+Enter in the shop gave no 1024x768 window"
  xdotool mousemove 512 384
  wait_until 10 shop_shown 1 || fail "the shop is not drawn again in the window"
  mouse_to 350 230 || fail "the pointer did not move"
  sleep 0.3
  mouse_click
  wait_for_count "$OUT/game.out" '^Torpedo kupene$' 1 5 || fail "a click on the torpedo after Alt+Enter bought nothing"
  # In the controls card over the shop: full screen, the card drawn doubled; the shop comes back under it.
  key_tap F1
  wait_until 10 card_shown 1 || fail "F1 opened no card over the shop"
  alt_enter
  wait_until 10 card_shown 2 || fail "the card is not drawn doubled after Alt+Enter"
  key_tap F1
  wait_until 10 shop_shown 2 || fail "the shop is not drawn doubled when the card closes"
  card_shown 2 && fail "the card is still shown"
  leave_game
  rc=0
  "$RUN_DIR/ponorka-replay" "$OUT/a.demo" >"$OUT/replay.out" 2>"$OUT/replay.err" || rc=$?
  [ $rc = 0 ] || fail "ponorka-replay: exit code $rc: $(cat "$OUT/replay.err")"
  transcript() {
    perl -0777 -pe 's/\A.*?(?=^Objekt 1  PRVY)//ms; s/^(CAS|CAS_NA_VYPOCET| VYPOCET\/SEK|FPS) [^\n]*\n//mg' "$1"
  }
  cmp -s <(transcript "$OUT/game.out") <(transcript "$OUT/replay.out") ||
    fail "the replay printed otherwise: $(diff <(transcript "$OUT/game.out") <(transcript "$OUT/replay.out") | head -5)"
  echo "Alt+Enter: full screen at 2048x1536 mid-mission, kept in the file; the replay: $(summary_value "$OUT/replay.out" P_VYPOCET) steps, as played"
  # Played back in a window at scale 2, paused: the overlay's grey frame at (51, 650), doubled.
  start_game --windowed --scale 2 --playdemo "$OUT/a.demo"
  wait_until 20 window_is 2048x1536 || fail "no 2048x1536 window for the playback"
  xdotool mousemove 1024 768
  wait_for_count "$OUT/game.out" '^Objekt 1  ' 1 20 || fail "the playback reached no mission"
  key_tap p
  wait_until 10 eval 'screenshot "$OUT/o.png" && pixel_is_near "$OUT/o.png" 102 1300 128 128 128' ||
    fail "no overlay over the paused playback at scale 2"
  leave_game
  echo "playback at scale 2: the paused overlay is shown"
  ;;
*)
  fail "unknown mode"
  ;;
esac
