#!/usr/bin/env bash
# What the real game plays, captured through ALSA's file plugin: a temporary HOME
# whose .asoundrc makes the default PCM a file over the null PCM, so no sound
# card is needed and Allegro's ALSA driver writes the mixed stream to a file.
# Usage: sound_test.sh RUN_DIR capture|nosound|nodevice
#   capture   the drum loop plays through the first three briefings and stops
#             for mission 1 and the shop (tests/system/zvuk.py judges it)
#   nosound   with --nosound the first briefing plays nothing: no stream is
#             opened, and nothing is said about it
#   nodevice  the default PCM is a card that does not exist: no line of the
#             sound library reaches standard error, the game's own says once
#             that it plays without sound
set -euo pipefail
RUN_DIR=$(cd "$1" && pwd)
MODE=$2
HERE=$(cd "$(dirname "$0")" && pwd)
source "$HERE/xvfb.sh"
game_test_frame "$MODE"

CAPTURE=$OUT/capture.wav
mkdir "$OUT/home"
if [ "$MODE" = nodevice ]; then
  printf 'pcm.!default { type hw card 99 }\nctl.!default { type hw card 99 }\n' >"$OUT/home/.asoundrc"
else
  cat >"$OUT/home/.asoundrc" <<ASOUNDRC
pcm.!default {
  type file
  slave.pcm "null"
  file "$CAPTURE"
  format "wav"
}
ASOUNDRC
fi

shop_shown() {
  screenshot "$OUT/probe.png"
  pixel_is_near "$OUT/probe.png" 162 57 0 0 0 && pixel_is_near "$OUT/probe.png" 400 517 128 128 128
}
size() { stat -c %s "$CAPTURE" 2>/dev/null || echo 0; }
# Frames of the drum loop in the capture's stream: its length in bytes there.
loop_bytes() {
  local beat=$RUN_DIR/sfx/briefing/beat.wav
  /usr/bin/python3 -c '
import sys, wave
b, c = wave.open(sys.argv[1]), wave.open(sys.argv[2])
print(b.getnframes() * c.getframerate() // b.getframerate() * c.getnchannels() * c.getsampwidth())' "$beat" "$CAPTURE"
}
# Waits until the capture has grown by BYTES since FROM; the null PCM takes the
# stream as fast as the mixer makes it, which need not be in real time.
grown() { [ $(($(size) - $1)) -ge "$2" ]; }

args=()
[ "$MODE" = nosound ] && args=(--nosound)
cd "$RUN_DIR"
xvfb_start
HOME=$OUT/home ./ponorka "${args[@]}" >"$OUT/game.out" 2>"$OUT/game.err" &
GAME_PID=$!
wait_until 30 portrait_shown || fail "the first briefing did not appear"

if [ "$MODE" = nodevice ]; then
  key_tap Escape
  wait_for_exit "$GAME_PID" 10 || fail "the game did not end"
  GAME_PID=
  [ "$EXIT_RC" = 0 ] || fail "exit code $EXIT_RC"
  ! grep -qi 'alsa' "$OUT/game.err" || fail "the sound library's lines reached standard error"
  [ "$(grep -c 'without sound' "$OUT/game.err")" -eq 1 ] || fail "no single line saying the game plays without sound"
  [ "$(wc -l <"$OUT/game.err")" -eq 1 ] || fail "more on standard error than that line"
  echo "PASS: nodevice: $(cat "$OUT/game.err")"
  exit 0
fi

if [ "$MODE" = nosound ]; then
  sleep 3
  key_tap Escape
  wait_for_exit "$GAME_PID" 10 || fail "the game did not end"
  GAME_PID=
  [ "$EXIT_RC" = 0 ] || fail "exit code $EXIT_RC"
  [ ! -e "$CAPTURE" ] || fail "a stream was opened: $(stat -c %s "$CAPTURE") bytes captured"
  [ ! -s "$OUT/game.err" ] || fail "standard error is not empty"
  echo "PASS: nosound"
  exit 0
fi

[ -s "$CAPTURE" ] || fail "nothing captured: the game found no sound device"
loop=$(loop_bytes)
need=$((loop * 18 / 10))
# Each screen's stretch of the capture starts when the test has seen the screen
# (late, which is safe) and ends just before the key or click that closes it;
# the mission's end is seen within a tenth of a second.
segments=()
b1=$(size)
wait_until 60 grown "$b1" "$need" || fail "the capture stopped growing"
# Mission 1, won with the torpedo key held from its first step.
xdotool keydown f
e=$(size)
key_tap Return
segments+=("briefing1:$b1:$e:drum")
wait_for_count "$OUT/game.out" '^Objekt 1  ' 1 10 || fail "mission 1 did not start"
m1=$(size)
wait_for_count "$OUT/game.out" ' Uber 1$' 1 60 || fail "mission 1 was not won"
b2=$(size)
xdotool keyup f
segments+=("mission1:$m1:$b2:silence")
wait_until 60 grown "$b2" "$need" || fail "the capture stopped growing"
e=$(size)
key_tap Return
segments+=("briefing2:$b2:$e:drum")
wait_until 20 shop_shown || fail "the shop did not appear"
s1=$(size)
wait_until 60 grown "$s1" "$((loop / 2))" || fail "the capture stopped growing"
mouse_to 512 540 || fail "the pointer did not reach CONTINUE"
e=$(size)
mouse_click
segments+=("shop:$s1:$e:silence")
wait_until 20 portrait_shown || fail "the third briefing did not appear"
b3=$(size)
wait_until 60 grown "$b3" "$need" || fail "the capture stopped growing"
key_tap Escape
wait_for_exit "$GAME_PID" 10 || fail "the game did not end"
GAME_PID=
[ "$EXIT_RC" = 0 ] || fail "exit code $EXIT_RC"
segments+=("briefing3:$b3:end:drum")
/usr/bin/python3 "$HERE/zvuk.py" "$CAPTURE" "$RUN_DIR/sfx/briefing/beat.wav" "${segments[@]}" || fail "the capture"
echo "PASS: capture"
