#!/usr/bin/env bash
# A regression demo watched with the playback keys under Xvfb: a seek forward
# into mission 2, a seek back into mission 1, a pause with the overlay over the
# picture (saved as ARTEFACT_DIR/overlay.png), the overlay gone three seconds
# after the last key, then 8x to the end. The transcript from the first spawn
# line to Health is the plain playback's.
# Usage: seek_test.sh RUN_DIR ARTEFACT_DIR DEMO_WITHOUT_SUFFIX
set -euo pipefail
RUN_DIR=$(cd "$1" && pwd)
mkdir -p "$2"
ART=$(cd "$2" && pwd)
DEMO=$3
HERE=$(cd "$(dirname "$0")" && pwd)
source "$HERE/xvfb.sh"

GAME_PID=
cleanup() {
  [ -n "${DISPLAY:-}" ] && release_everything
  if [ -n "$GAME_PID" ]; then
    kill "$GAME_PID" 2>/dev/null || true
    wait "$GAME_PID" 2>/dev/null || true
  fi
  xvfb_stop
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
note() { printf '[%4ds] %s\n' "$SECONDS" "$*"; }
transcript() {
  perl -0777 -pe 's/\A.*?(?=^Objekt 1  PRVY)//ms; s/^(CAS|CAS_NA_VYPOCET| VYPOCET\/SEK|FPS) [^\n]*\n//mg' "$1"
}

cd "$ART"
rm -f seek.out seek.err ./*.png ./*.rgb
xvfb_start
note "Xvfb on $DISPLAY"

stdbuf -oL "$RUN_DIR/ponorka" --playdemo "$DEMO.demo" >seek.out 2>seek.err &
GAME_PID=$!
wait_for_count seek.out '^Objekt 1  ' 1 60 || fail "mission 1 did not start"
sleep 1
key_tap Right
# The first shop's purchases are printed once the seek forward has played over it.
wait_for_count seek.out '^(Torpedo kupene|Navnada kupena)$' 1 10 || fail "the seek forward did not reach mission 2"
sleep 0.5
key_tap Left
sleep 1
key_tap p
sleep 1
screenshot overlay.png
# The overlay's grey frame at the foot of the world view, left of the picture's middle.
pixel_is_near overlay.png 51 650 128 128 128 || fail "no overlay while paused"
key_tap p
sleep 4
screenshot no_overlay.png
! pixel_is_near no_overlay.png 51 650 128 128 128 2>/dev/null || fail "the overlay stayed three seconds after the last key"
key_tap Up
key_tap Up
key_tap Up
wait_for_exit "$GAME_PID" 120 || fail "the playback did not end"
GAME_PID=
[ "$EXIT_RC" = 0 ] || fail "exit code $EXIT_RC: $(cat seek.err)"
cmp -s <(transcript "$DEMO.out") <(transcript seek.out) ||
  fail "the transcript differs from the plain playback's: diff <(transcript $DEMO.out) <(transcript $ART/seek.out)"
note "seek forward, seek back, pause, 8x: the plain playback's transcript ($(wc -l <seek.out) lines)"
