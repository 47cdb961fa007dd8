#!/usr/bin/env bash
# Leaving the real game early under Xvfb: the game prints its summary with the
# steps run so far and exits with the reason's code.
# Usage: leave_test.sh RUN_DIR SCENARIO, one of
#   briefing-esc     Esc in the first briefing: exit 0, no step run
#   briefing-sigint  SIGINT in the first briefing: exit 130
#   mission-esc      Esc in mission 1: exit 0, the steps so far
#   mission-sigterm  SIGTERM in mission 1: exit 143
#   shop-esc         Esc in the first shop (mission 1 won with the torpedo key held): exit 0
#   close            the close button of the window (--windowed), in mission 1: exit 0
# Standard output goes to a file, not a terminal: the lines the waits look for
# arrive while the game runs only because it is line-buffered.
set -euo pipefail
RUN_DIR=$(cd "$1" && pwd)
SCENARIO=$2
HERE=$(cd "$(dirname "$0")" && pwd)
source "$HERE/xvfb.sh"
game_test_frame "$SCENARIO"

shop_shown() {
  screenshot "$OUT/probe.png"
  pixel_is_near "$OUT/probe.png" 162 57 0 0 0 && pixel_is_near "$OUT/probe.png" 400 517 128 128 128
}

args=()
[ "$SCENARIO" = close ] && args=(--windowed)
cd "$RUN_DIR"
xvfb_start
./ponorka "${args[@]}" >"$OUT/game.out" 2>"$OUT/game.err" &
GAME_PID=$!
wait_until 30 portrait_shown || fail "the first briefing did not appear"

case "$SCENARIO" in
  briefing-esc | briefing-sigint) ;;
  shop-esc)
    # The torpedo key held from the first step sinks the lone enemy; Enter held
    # closes the second briefing at once.
    xdotool keydown f Return
    wait_for_count "$OUT/game.out" ' Uber 1$' 1 60 || fail "mission 1 was not won"
    wait_until 20 shop_shown || fail "the shop did not appear"
    xdotool keyup f Return
    ;;
  *)
    key_tap Return
    wait_for_count "$OUT/game.out" '^Objekt 1  ' 1 10 || fail "mission 1 did not start"
    sleep 1
    ;;
esac

case "$SCENARIO" in
  briefing-esc | mission-esc | shop-esc) key_tap Escape; want=0 ;;
  briefing-sigint) kill -INT "$GAME_PID"; want=130 ;;
  mission-sigterm) kill -TERM "$GAME_PID"; want=143 ;;
  close) /usr/bin/python3 "$HERE/okno.py" close || fail "no window to close"; want=0 ;;
  *) fail "unknown scenario" ;;
esac
wait_for_exit "$GAME_PID" 10 || fail "the game did not end"
GAME_PID=
[ "$EXIT_RC" = "$want" ] || fail "exit code $EXIT_RC, not $want"
summary_ok "$OUT/game.out" || fail "no valid summary at the end of the output"
steps=$(summary_value "$OUT/game.out" P_VYPOCET)
case "$SCENARIO" in
  briefing-*) [ "$steps" -eq 0 ] || fail "$steps steps in the briefing" ;;
  *) [ "$steps" -gt 0 ] || fail "no step counted" ;;
esac
! grep -q 'Shutting down Allegro' "$OUT/game.err" || fail "Allegro's own signal handler ran"
echo "PASS: $SCENARIO, exit $EXIT_RC, $steps steps"
