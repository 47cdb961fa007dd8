#!/usr/bin/env bash
# The real binary: it sets the 1024x768 mode under a virtual display, and with no
# display at all it shows the graphics message and exits with code 1.
set -euo pipefail
RUN_DIR=$1
HERE=$(cd "$(dirname "$0")" && pwd)
source "$HERE/xvfb.sh"
cd "$RUN_DIR"
game_test_frame startup

# No display at all.
set +e
env -u DISPLAY ./ponorka >"$OUT/nodisp.out" 2>"$OUT/nodisp.err"
rc=$?
set -e
[ $rc -eq 1 ] || fail "without a display the exit code is $rc, not 1"
grep -q "Nemozem nastartovat grafiku" "$OUT/nodisp.err" "$OUT/nodisp.out" || fail "no graphics message"
[ ! -s "$OUT/nodisp.out" ] || ! grep -q "P_VYPOCET" "$OUT/nodisp.out" || fail "summary printed without a display"
echo "no display: exit 1 with the message"

# Under Xvfb: the background is generated only after the mode is set.
xvfb_start
stdbuf -oL ./ponorka >"$OUT/game.out" 2>"$OUT/game.err" &
GAME_PID=$!
wait_for_text "$OUT/game.out" "More sucessfully created!" 30 || { cat "$OUT/game.err" >&2; fail "no start-up"; }
geometry=$(xwininfo -root -tree | grep -E '1024x768\+0\+0' | head -1 || true)
[ -n "$geometry" ] || { xwininfo -root -tree >&2; fail "no 1024x768 window"; }
kill -0 "$GAME_PID" || fail "the game died"
head -5 "$OUT/game.out" | diff - <(printf 'Creating more....\nFirst part created\nSecond part created\nCreating stars...\nMore sucessfully created!\n') \
  || fail "start-up lines differ"
echo "Xvfb: mode set, window $geometry"
