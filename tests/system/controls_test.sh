#!/usr/bin/env bash
# The settings file and the controls card in the real game under Xvfb.
# Usage: controls_test.sh RUN_DIR file|card [ARTEFACTS]
#   file  a settings file binds the torpedo to G, asks for a window and no
#         sound, and has a bad volume: with no option the game warns about the
#         volume alone (no sound driver is tried) and opens a window; in
#         mission 1 F fires nothing and G fires a torpedo; the file is not
#         written by merely playing.
#   card  with a file of the player's own, F1 in mission 1 opens the card;
#         Enter and T bind the torpedo to T (the card's picture kept in
#         ARTEFACTS as controls.png); F1 closes it and the file is rewritten with
#         the new binding, the player's comment and section kept; the next start
#         reads it back: T fires a torpedo, F nothing.
set -euo pipefail
RUN_DIR=$(cd "$1" && pwd)
MODE=$2
ART=${3:-}
HERE=$(cd "$(dirname "$0")" && pwd)
source "$HERE/xvfb.sh"
game_test_frame "$MODE"
CFG=$XDG_CONFIG_HOME/ponorka/ponorka.cfg

start_game() {
  ./ponorka "$@" >"$OUT/game.out" 2>"$OUT/game.err" &
  GAME_PID=$!
  wait_until 30 portrait_shown || fail "the first briefing did not appear"
  key_tap Return
  wait_for_count "$OUT/game.out" '^Objekt 1  ' 1 10 || fail "mission 1 did not start"
  sleep 0.5
}
# Holding KEY for a second launches a torpedo (a spawn line of kind 50), or does not.
torpedoes() { count_lines "$OUT/game.out" '^Objekt 50  '; }
fires_torpedo() {
  local before
  before=$(torpedoes)
  key_tap "$1" 1
  sleep 0.3
  [ "$(torpedoes)" -gt "$before" ]
}
leave_game() {
  key_tap Escape
  wait_for_exit "$GAME_PID" 10 || fail "the game did not end"
  GAME_PID=
  [ "$EXIT_RC" = 0 ] || fail "exit code $EXIT_RC"
}
# The card's panel: its grey left border at x 102 beside the middle of the screen.
card_shown() {
  screenshot "$OUT/card.png"
  pixel_is_near "$OUT/card.png" 102 384 128 128 128 && pixel_is_near "$OUT/card.png" 104 384 0 0 0
}

cd "$RUN_DIR"
xvfb_start

if [ "$MODE" = file ]; then
  mkdir -p "$(dirname "$CFG")"
  printf '# a left-handed player\n[controls]\ntorpedo = G\n[sound]\nvolume = 500\nenabled = no\n[display]\nmode = windowed\n' >"$CFG"
  cp "$CFG" "$OUT/before.cfg"
  start_game
  grep -qxF "ponorka: $CFG:5: volume = 500 is out of range 0..100; using the default 100" "$OUT/game.err" ||
    fail "no warning about the volume"
  [ "$(wc -l <"$OUT/game.err")" -eq 1 ] || fail "more on standard error than the volume's warning"
  xwininfo -root -tree | grep -qE '"ponorka": \("allegro" "Allegro"\) +1024x768' ||
    fail "the file's windowed mode gave no window"
  ! fires_torpedo f || fail "F still fires a torpedo"
  fires_torpedo g || fail "G fires no torpedo"
  leave_game
  cmp -s "$CFG" "$OUT/before.cfg" || fail "the settings file was written without a change in the game"
  echo "PASS: file, G fires and F does not; the bad volume warned about; the file untouched"
  exit 0
fi

# The player's own file: a comment, another binding and a section of theirs.
mkdir -p "$(dirname "$CFG")"
printf '# my settings\n[controls]\ngun = V\n[mine]\nx = 1\n' >"$CFG"
cp "$CFG" "$OUT/before.cfg"
start_game --windowed
key_tap F1
wait_until 5 card_shown || fail "F1 opened no card"
lines=$(wc -l <"$OUT/game.out")
key_tap Return
key_tap t
sleep 0.3
# The card with its message, for the docs.
if [ -n "$ART" ]; then
  mkdir -p "$ART"
  import -window root "$ART/controls.png"
fi
[ "$(wc -l <"$OUT/game.out")" -eq "$lines" ] || fail "the mission went on under the card"
cmp -s "$CFG" "$OUT/before.cfg" || fail "the file was written before the card closed"
key_tap F1
wait_until 5 test -n "$(grep -x 'torpedo = T' "$CFG")" || { cat "$CFG" >&2; fail "closing the card wrote no 'torpedo = T'"; }
controls=$(sed -n '/^\[controls\]/,/^\[/p' "$CFG")
grep -qx 'torpedo = T' <<<"$controls" && grep -qx 'gun = V' <<<"$controls" ||
  { cat "$CFG" >&2; fail "[controls] lacks 'torpedo = T' or the player's 'gun = V'"; }
head -n 1 "$CFG" | grep -qx '# my settings' && grep -qx '\[mine\]' "$CFG" && grep -qx 'x = 1' "$CFG" ||
  { cat "$CFG" >&2; fail "the player's comment or section did not survive the rewrite"; }
[ "$(find "$(dirname "$CFG")" -type f | wc -l)" -eq 1 ] || fail "a temporary file left beside the settings"
card_shown && fail "the card is still shown"
leave_game
# The player's own section is warned about, and nothing else is.
grep -qxF "ponorka: $CFG:4: unknown section [mine]; ignored" "$OUT/game.err" || fail "no warning about [mine]"
if grep -v -e 'no sound device' -e 'unknown section \[mine\]' "$OUT/game.err" | grep -q .; then
  fail "warnings on standard error"
fi

# The next start reads the binding back.
start_game --windowed
! fires_torpedo f || fail "after the restart F still fires a torpedo"
fires_torpedo t || fail "after the restart T fires no torpedo"
leave_game
echo "PASS: card, T bound through the card, written, and read back by the next start"
