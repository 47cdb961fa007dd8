#!/usr/bin/env bash
# Pausing the real game under Xvfb.
# Usage: pause_test.sh RUN_DIR key|focus
#   key    P in mission 1 freezes the picture under the "PAUZA" label and the
#          status bar, P again moves it on; the torpedo key is held from the
#          first step, so the game's lines and step count must equal the replay
#          tool's for the same held key, which knows no pauses.
#   focus  the window losing the keyboard focus freezes it the same way,
#          getting it back moves it on.
set -euo pipefail
RUN_DIR=$(cd "$1" && pwd)
MODE=$2
HERE=$(cd "$(dirname "$0")" && pwd)
source "$HERE/xvfb.sh"
game_test_frame "$MODE"

# The world view (the top 691 rows) of two screenshots differs in SHARE or more
# of its pixels (0: identical).
view_changed() {
  awk -v s="$(changed_share "$1" "$2" 0 0 1024 691)" -v m="$3" 'BEGIN { exit !(s >= m && (m > 0 || s == 0)) }'
}
# The label: a black box (384, 297)-(640, 393) with a grey border, centred in the
# world view, white letters in it; the status bar below it as a mission draws it.
paused_picture() {
  local f=$1
  pixel_is_near "$f" 384 345 128 128 128 && pixel_is_near "$f" 512 297 128 128 128 &&
    pixel_is_near "$f" 640 345 128 128 128 && pixel_is_near "$f" 390 303 0 0 0 &&
    awk -v s="$(lit_share "$f" 386 299 253 93)" 'BEGIN { exit !(s > 0.02 && s < 0.5) }' &&
    pixel_is_near "$f" 5 740 128 128 128 && pixel_is_near "$f" 600 691 255 255 0
}
# Stands the game still, checks it stays so for a second, then resumes it.
# PAUSE and RESUME are the commands that do it.
freeze_and_resume() {
  local pause=$1 resume=$2 lines
  "$pause"
  sleep 0.5
  screenshot "$OUT/a.png"
  lines=$(wc -l <"$OUT/game.out")
  sleep 1
  screenshot "$OUT/b.png"
  view_changed "$OUT/a.png" "$OUT/b.png" 0 || fail "the picture moved during the pause"
  paused_picture "$OUT/b.png" || fail "no PAUZA label over the last frame and status bar"
  [ "$(wc -l <"$OUT/game.out")" -eq "$lines" ] || fail "the game printed lines during the pause"
  "$resume"
  sleep 0.7
  screenshot "$OUT/c.png"
  view_changed "$OUT/b.png" "$OUT/c.png" 0.001 || fail "the picture did not move on after the pause"
}
press_p() { key_tap p; }
focus_away() { /usr/bin/python3 "$HERE/okno.py" focus-away; }
focus_back() { /usr/bin/python3 "$HERE/okno.py" focus-back; }

cd "$RUN_DIR"
xvfb_start
./ponorka >"$OUT/game.out" 2>"$OUT/game.err" &
GAME_PID=$!
wait_until 30 portrait_shown || fail "the first briefing did not appear"

if [ "$MODE" = focus ]; then
  key_tap Return
  wait_for_count "$OUT/game.out" '^Objekt 1  ' 1 10 || fail "mission 1 did not start"
  sleep 1.5
  freeze_and_resume focus_away focus_back
  key_tap Escape
  wait_for_exit "$GAME_PID" 10 || fail "the game did not end"
  GAME_PID=
  [ "$EXIT_RC" = 0 ] || fail "exit code $EXIT_RC"
  echo "PASS: focus"
  exit 0
fi

# The torpedo key is down before Enter closes the briefing: every step holds it.
xdotool keydown f
key_tap Return
wait_for_count "$OUT/game.out" '^Objekt 50  ' 1 10 || fail "no torpedo fired"
sleep 0.3
freeze_and_resume press_p press_p
wait_for_count "$OUT/game.out" ' Uber 1$' 1 60 || fail "mission 1 was not won"
key_tap Escape
wait_for_exit "$GAME_PID" 10 || fail "the game did not end"
GAME_PID=
xdotool keyup f
[ "$EXIT_RC" = 0 ] || fail "exit code $EXIT_RC"

printf 'F *100000\n' >"$OUT/script.txt"
./ponorka-replay --missions 1 --trace "$OUT/trace.txt" "$OUT/script.txt" >"$OUT/replay.out" ||
  fail "the replay tool failed"
replay_steps=$(tail -n 1 "$OUT/trace.txt" | sed 's/.*"step":\([0-9]*\),.*/\1/')
# The game's lines after its background, up to the summary, against the replay's.
sed -n '/^More sucessfully created!$/,$p' "$OUT/game.out" | sed '1d; /^P_VYPOCET/,$d' >"$OUT/game.lines"
diff "$OUT/replay.out" "$OUT/game.lines" >"$OUT/diff.txt" || { head -n 20 "$OUT/diff.txt" >&2; fail "the paused game printed other lines"; }
steps=$(summary_value "$OUT/game.out" P_VYPOCET)
[ "$steps" = "$replay_steps" ] || fail "$steps steps, the replay made $replay_steps"
echo "PASS: key, $steps steps and $(wc -l <"$OUT/game.lines") lines as in the replay"
