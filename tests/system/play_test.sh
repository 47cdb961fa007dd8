#!/usr/bin/env bash
# Plays the real game from the first briefing to the summary under Xvfb with real
# key and mouse events, as a player would, and checks what it prints and shows.
# Usage: play_test.sh RUN_DIR ARTEFACT_DIR [plain|sanitized]
# Screenshots (briefing.png, mission.png, shop.png) and the game's output stay in
# ARTEFACT_DIR. In "sanitized" mode the binary is the ASan+UBSan build: leak
# checking is on and any sanitizer report fails the test.
set -euo pipefail
RUN_DIR=$(cd "$1" && pwd)
mkdir -p "$2"
ART=$(cd "$2" && pwd)
MODE=${3:-plain}
HERE=$(cd "$(dirname "$0")" && pwd)
source "$HERE/xvfb.sh"

OUT=$ART/game.out
ERR=$ART/game.err
PROBE=$ART/probe.png
rm -f "$OUT" "$ERR" "$ART"/*.png "$ART"/*.rgb

# The sanitized binary runs a few times slower; only the time limits grow.
# stdbuf preloads its own library ahead of the sanitizer runtime, which is harmless.
SLOW=1
if [ "$MODE" = sanitized ]; then
  SLOW=3
  # Full stacks on allocation: the fast unwinder stops inside the sound
  # libraries, short of the Allegro frame that the leak suppression names.
  export ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:verify_asan_link_order=0:fast_unwind_on_malloc=0
  export LSAN_OPTIONS=suppressions=$HERE/lsan.supp:print_suppressions=0
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
fi

GAME_PID=
cleanup() {
  [ -n "${DISPLAY:-}" ] && release_everything
  if [ -n "$GAME_PID" ]; then
    kill "$GAME_PID" 2>/dev/null || true
    wait "$GAME_PID" 2>/dev/null || true
  fi
  xvfb_stop
  rm -f "$PROBE" "$PROBE.rgb" "$ART"/ref*.png "$ART"/ref*.png.rgb
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  echo "--- last lines of standard output" >&2
  tail -n 15 "$OUT" >&2 || true
  echo "--- standard error" >&2
  tail -n 40 "$ERR" >&2 || true
  exit 1
}
note() { printf '[%4ds] %s\n' "$SECONDS" "$*"; }

# Line number of the last line of OUT matching RE (0 when none).
last_line_of() { grep -nE -- "$1" "$OUT" | tail -n 1 | cut -d: -f1 || true; }

# --- What the screens look like --------------------------------------------

# Briefing: the portrait at (79, 119), 443 x 522, is drawn over a black buffer.
portrait_shown() {
  screenshot "$PROBE"
  awk -v s="$(lit_share "$PROBE" 79 119 443 522)" 'BEGIN { exit !(s > 0.2) }'
}
# The last line of the opening briefing (line 15, top at 149 + 14 * 22) has been typed.
briefing_typed() {
  screenshot "$PROBE"
  awk -v s="$(lit_share "$PROBE" 562 457 420 22)" 'BEGIN { exit !(s > 0.01) }'
}
# Shop: black panel corners and the grey CONTINUE outline (352, 517)-(671, 562).
shop_pixels() {
  local f=$1
  pixel_is_near "$f" 162 57 0 0 0 && pixel_is_near "$f" 861 573 0 0 0 &&
    pixel_is_near "$f" 400 517 128 128 128 && pixel_is_near "$f" 600 562 128 128 128 &&
    pixel_is_near "$f" 352 540 128 128 128 && pixel_is_near "$f" 671 540 128 128 128
}
shop_shown() {
  screenshot "$PROBE"
  shop_pixels "$PROBE"
}
# Mission: the status bar at row 691: grey background, yellow top line, white
# outlines of the health gauge (19, 701)-(319, 724) and of the count boxes
# (437, 701)-(560, 725) and (437, 733)-(560, 757), black inside them.
mission_pixels() {
  local f=$1
  pixel_is_near "$f" 5 740 128 128 128 && pixel_is_near "$f" 1015 700 128 128 128 &&
    pixel_is_near "$f" 600 691 255 255 0 &&
    pixel_is_near "$f" 19 712 255 255 255 && pixel_is_near "$f" 319 712 255 255 255 &&
    pixel_is_near "$f" 170 724 255 255 255 &&
    pixel_is_near "$f" 437 720 255 255 255 && pixel_is_near "$f" 560 757 255 255 255 &&
    pixel_is_near "$f" 439 723 0 0 0 && pixel_is_near "$f" 439 755 0 0 0
}
# The pointer as Allegro sees it: the WxH area around X Y differs from the
# reference screenshot REF once the game has drawn its pointer (and the
# item's selected image) there.
pointer_drawn_at() {
  local ref=$1 x=$2 y=$3
  screenshot "$PROBE"
  awk -v s="$(changed_share "$ref" "$PROBE" $((x - 10)) $((y - 10)) 30 30)" 'BEGIN { exit !(s > 0.05) }'
}
# Moves the pointer in two steps, then waits until the game has drawn it there.
point_at() {
  local x=$1 y=$2 ref=$ART/ref_$1_$2.png
  screenshot "$ref"
  mouse_to "$x" "$y" || fail "the server did not move the pointer to $x $y"
  wait_until $((5 * SLOW)) pointer_drawn_at "$ref" "$x" "$y" || fail "the game did not see the pointer at $x $y"
}

# --- The game --------------------------------------------------------------

cd "$RUN_DIR"
xvfb_start
note "Xvfb on $DISPLAY, mode $MODE"
stdbuf -oL ./ponorka >"$OUT" 2>"$ERR" &
GAME_PID=$!

wait_for_text "$OUT" "More sucessfully created!" $((30 * SLOW)) || fail "the background was not generated"
wait_until $((20 * SLOW)) portrait_shown || fail "the opening briefing did not appear"
note "opening briefing"
wait_until $((20 * SLOW)) briefing_typed || fail "the opening briefing was not typed out"
screenshot "$ART/briefing.png"
pixel_is_near "$ART/briefing.png" 5 5 0 0 0 || fail "briefing background"
pixel_is_near "$ART/briefing.png" 1015 300 0 0 0 || fail "briefing background"
awk -v s="$(lit_share "$ART/briefing.png" 562 149 420 22)" 'BEGIN { exit !(s > 0.01) }' || fail "no first line"
key_tap Return

# Mission 1: one enemy; fire torpedoes until it is sunk.
wait_for_count "$OUT" '^Objekt 1  ' 1 $((10 * SLOW)) || fail "mission 1 did not start"
note "mission 1"
xdotool keydown f
wait_for_count "$OUT" '^Objekt 50  ' 1 $((20 * SLOW)) || fail "no torpedo left the tube"
sleep 1
screenshot "$ART/mission.png"
mission_pixels "$ART/mission.png" || fail "status bar pixels"
awk -v s="$(lit_share "$ART/mission.png" 0 0 1024 691)" 'BEGIN { exit !(s > 0.5) }' || fail "the sea is black"
wait_for_count "$OUT" ' Uber 1$' 1 $((120 * SLOW)) || fail "the mission 1 enemy was not sunk"
# Enter is held before the briefing opens, which closes it on its first pass.
xdotool keydown Return
xdotool keyup f
note "mission 1 won"

wait_until $((20 * SLOW)) shop_shown || fail "the first shop did not appear"
xdotool keyup Return
note "first shop"
torpedoes=$((50 - $(count_lines "$OUT" '^Objekt 50  ')))
[ "$(count_lines "$OUT" ' Uber 1$')" -eq 1 ] || fail "more than one enemy removed in mission 1"

# Two torpedoes for the 100 earned. A press can buy twice if the shop's second
# timer reopens the gate while the button is down; count what was bought.
point_at 350 230
cp "$PROBE" "$ART/shop.png"
cp "$PROBE.rgb" "$ART/shop.png.rgb"
shop_pixels "$ART/shop.png" || fail "shop pixels"
for click in 1 2; do
  [ "$(count_lines "$OUT" '^Torpedo kupene$')" -ge 2 ] && break
  mouse_click
  wait_for_count "$OUT" '^Torpedo kupene$' "$click" $((5 * SLOW)) || fail "no torpedo bought"
  sleep 0.3
done
expected=$(printf 'Torpedo kupene\nPocet torped %d\nPeniaze 50\nTorpedo kupene\nPocet torped %d\nPeniaze 0' \
  $((torpedoes + 1)) $((torpedoes + 2)))
diff <(grep -A2 '^Torpedo kupene$' "$OUT") <(echo "$expected") || fail "first shop purchases"
shop_end=$(last_line_of '^Peniaze ')

point_at 512 540
xdotool keydown Return
mouse_click
wait_for_count "$OUT" '^Objekt 1  ' 6 $((20 * SLOW)) || fail "mission 2 did not start"
xdotool keyup Return
note "mission 2"
diff <(tail -n +$((shop_end + 1)) "$OUT" | head -n 10) \
  <(printf 'Objekt 1  PRVY\n uspesne pridany \n'; for i in 1 2 3 4; do printf 'Objekt 1  INY\n uspesne pridany \n'; done) ||
  fail "mission 2 spawn lines"

# Mission 2: five enemies. Hold torpedo, gun and decoy, run ahead towards them;
# once the fleet has closed in, add the blast line and the large blast.
xdotool keydown f c x Right
wait_for_count "$OUT" ' Uber 1$' 2 $((120 * SLOW)) || fail "no enemy sunk in mission 2"
xdotool keyup Right
xdotool keydown r e
note "first enemy of mission 2 sunk"
wait_for_count "$OUT" ' Uber 1$' 6 $((240 * SLOW)) || fail "mission 2 not won"
xdotool keydown Return
xdotool keyup f c x r e
note "mission 2 won"

wait_until $((20 * SLOW)) shop_shown || fail "the second shop did not appear"
xdotool keyup Return
note "second shop"
decoys=$((100 - $(count_lines "$OUT" '^Objekt 51  ')))
point_at 670 230
mouse_click
wait_for_count "$OUT" '^Navnada kupena$' 1 $((5 * SLOW)) || fail "no decoy bought"
sleep 0.3
# 600 earned in all, 100 spent in the first shop.
n=$(count_lines "$OUT" '^Navnada kupena$')
expected=$(for i in $(seq 1 "$n"); do printf 'Navnada kupena\nPocet navnad %d\nPeniaze %d\n' $((decoys + i)) $((500 - 10 * i)); done)
diff <(grep -A2 '^Navnada kupena$' "$OUT") <(echo "$expected") || fail "second shop purchases"
point_at 512 540
mouse_click
note "left the second shop"
wait_for_exit "$GAME_PID" $((30 * SLOW))
rc=$EXIT_RC
GAME_PID=
[ "$rc" = 0 ] || fail "exit code $rc"
note "game over"

# The background's progress, then mission 1's lone enemy as the first of its list.
diff <(head -n 7 "$OUT") <(printf 'Creating more....\nFirst part created\nSecond part created\nCreating stars...\nMore sucessfully created!\nObjekt 1  PRVY\n uspesne pridany \n') ||
  fail "start-up and mission 1 spawn lines"
# Removals of enemies: six in all, each after the spawn of the explosion it
# leaves, its neighbour marks agreeing with its position code. The last enemy
# of each mission goes as the only one in its list.
[ "$(count_lines "$OUT" ' Uber 1$')" -eq 6 ] || fail "not six enemy removals"
grep -B2 ' Uber 1$' "$OUT" | grep -v '^--$' | awk '
  NR % 3 == 1 && !/^Objekt 200  (PRVY|INY)$/ { bad = 1 }
  NR % 3 == 2 && $0 != " uspesne pridany " { bad = 1 }
  NR % 3 == 0 {
    if (!/^(po1)?(po2)?(00|01|10|11) Uber 1$/) bad = 1
    code = $0; sub(/ Uber 1$/, "", code); kod = substr(code, length(code) - 1)
    if ((index(code, "po1") > 0) != (substr(kod, 1, 1) == "1")) bad = 1
    if ((index(code, "po2") > 0) != (substr(kod, 2, 1) == "1")) bad = 1
    last = $0
    if (NR == 3 && $0 != "00 Uber 1") bad = 1
  }
  END { exit bad || last != "00 Uber 1" }' || fail "enemy removal lines"
# The summary closes the output, without a final line break.
summary=$(tail -c 300 "$OUT" | sed -n '/^P_VYPOCET/,$p')
[ "$(tail -c 1 "$OUT" | od -An -c | tr -d ' ')" != '\n' ] || fail "the summary ends with a line break"
echo "$summary" | awk '
  NR == 1 && /^P_VYPOCET = [0-9]+ $/ { p = $3 }
  NR == 2 && /^CAS = [0-9]+ $/ { c = $3 }
  NR == 3 && /^CAS_NA_VYPOCET [0-9]+\.[0-9][0-9][0-9][0-9][0-9][0-9] $/ { a = $2 }
  NR == 4 && /^ VYPOCET\/SEK = [0-9]+\.[0-9][0-9][0-9][0-9][0-9][0-9]$/ { b = $3 }
  NR == 5 && /^FPS = [0-9]+\.[0-9][0-9][0-9][0-9][0-9][0-9] $/ { f = $3 }
  NR == 6 && /^Health = -?[0-9]+$/ { h = 1 }
  END {
    if (p <= 0 || c <= 0 || !h || NR != 6) { print "summary format" > "/dev/stderr"; exit 1 }
    if (a != sprintf("%f", c / p) || b != sprintf("%f", p / c * 1000) ||
        f != sprintf("%f", int(p / 3) / int(c / 1000))) { print "summary values" > "/dev/stderr"; exit 1 }
  }' || fail "summary: $summary"
note "summary: $(echo "$summary" | tr '\n' ' ')"

if [ "$MODE" = sanitized ]; then
  ! grep -qE 'ERROR: (Address|Leak)Sanitizer|runtime error:' "$ERR" || fail "sanitizer report"
fi
rm -f "$ART"/*.rgb
echo "PASS in ${SECONDS}s"
