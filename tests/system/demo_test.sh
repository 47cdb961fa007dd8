#!/usr/bin/env bash
# Demos of the real game: one recorded from play with real key and mouse events
# under Xvfb (from another folder, the demo named relative to it), then played
# back headless, on screen with a pause in the middle, and timed; each prints
# byte for byte what the live game printed from the first spawn line to the
# summary, time lines aside, every checksum matching. A campaign's demo, recorded
# headless, is timed by the game where the campaign's file is not. A key changed
# in the demo is a desync at or after its step; each bad demo file has its exit code.
# Usage: demo_test.sh RUN_DIR ARTEFACT_DIR
set -euo pipefail
RUN_DIR=$(cd "$1" && pwd)
mkdir -p "$2"
ART=$(cd "$2" && pwd)
HERE=$(cd "$(dirname "$0")" && pwd)
source "$HERE/xvfb.sh"
source "$HERE/demo_drive.sh"

GAME_PID=
cleanup() {
  [ -n "${DISPLAY:-}" ] && release_everything
  for pid in "$GAME_PID" "${DEMO_GAME_PID:-}"; do
    if [ -n "$pid" ]; then
      kill "$pid" 2>/dev/null || true
      wait "$pid" 2>/dev/null || true
    fi
  done
  xvfb_stop
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}
note() { printf '[%4ds] %s\n' "$SECONDS" "$*"; }

# What a playback must print: the live game's output from its first spawn line
# on, less the summary's time lines (and the timed playback's own last line).
transcript() {
  perl -0777 -pe 's/\A.*?(?=^Objekt 1  PRVY)//ms; s/^(CAS|CAS_NA_VYPOCET| VYPOCET\/SEK|FPS) [^\n]*\n//mg;
                  s/\ntimedemo: [^\n]*\n\z//' "$1"
}
same_transcript() {
  cmp -s <(transcript "$ART/live.out") <(transcript "$1") ||
    fail "$2 printed otherwise than the live game: diff <(transcript $ART/live.out) <(transcript $1)"
}

cd "$ART"
rm -f game.demo ./*.out ./*.err
xvfb_start
note "Xvfb on $DISPLAY"

# --- Recording, from a folder that is not the game's -------------------------
PONORKA=$RUN_DIR/ponorka record_game game.demo live.out live.err full || fail "recording: the play did not go through"
[ "$EXIT_RC" = 0 ] || fail "recording: exit code $EXIT_RC"
[ -s "$ART/game.demo" ] || fail "the demo was not written in the folder the game was started from"
tail -n 1 game.demo | grep -qE '^#!end [0-9]+ [0-9a-f]{16}$' || fail "the demo has no end line"
[ "$(grep -c '^#!buy ' game.demo)" -eq "$(grep -cE '^(Torpedo kupene|Navnada kupena)$' live.out)" ] ||
  fail "the demo's purchases are not the shops' accepted ones"
note "recorded: $(wc -c <game.demo) bytes, $(tail -n 1 game.demo)"

# --- Headless ------------------------------------------------------------------
rc=0
"$RUN_DIR/ponorka-replay" game.demo >replay.out 2>replay.err || rc=$?
[ $rc = 0 ] || fail "ponorka-replay: exit code $rc: $(cat replay.err)"
same_transcript replay.out ponorka-replay
note "headless playback matches"

# --- On screen, paused for a while in mission 1 --------------------------------
stdbuf -oL "$RUN_DIR/ponorka" --playdemo game.demo >playdemo.out 2>playdemo.err &
GAME_PID=$!
wait_for_count playdemo.out '^Objekt 1  ' 1 60 || fail "--playdemo: mission 1 did not start"
sleep 1
key_tap p 0.1
sleep 1.5
key_tap p 0.1
# The game's own keys do nothing in a playback (F fires in play).
key_tap f 0.5
wait_for_exit "$GAME_PID" 300 || fail "--playdemo did not end"
GAME_PID=
[ "$EXIT_RC" = 0 ] || fail "--playdemo: exit code $EXIT_RC: $(cat playdemo.err)"
same_transcript playdemo.out --playdemo
note "on-screen playback matches"

# --- Timed ----------------------------------------------------------------------
rc=0
"$RUN_DIR/ponorka" --timedemo game.demo >timedemo.out 2>timedemo.err || rc=$?
[ $rc = 0 ] || fail "--timedemo: exit code $rc: $(cat timedemo.err)"
same_transcript timedemo.out --timedemo
steps=$(sed -n 's/^#!end \([0-9]*\) .*/\1/p' game.demo)
tail -n 1 timedemo.out | grep -qE "^timedemo: $steps steps, $((steps / 3)) frames drawn, [0-9.]+ s, [0-9.]+ fps$" ||
  fail "--timedemo's last line: $(tail -n 1 timedemo.out)"
note "timed playback matches: $(tail -n 1 timedemo.out)"

# --- A campaign's demo, played by the game where the campaign's file is not ------------
rm -rf campaign campaign.demo
mkdir campaign
cp "$RUN_DIR/data/campaigns/tri_noci.campaign" campaign/moja.campaign
printf 'F C X *20000\n' >campaign/fire.txt
rc=0
"$RUN_DIR/ponorka-replay" --record campaign.demo --campaign campaign/moja.campaign --buy 2,0 --buy 0,10 \
  campaign/fire.txt >campaign_rec.out 2>campaign_rec.err || rc=$?
[ $rc = 0 ] || fail "recording the campaign's demo: exit code $rc: $(cat campaign_rec.err)"
rm -r campaign
head -n 2 campaign.demo | tr '\n' ' ' | grep -qE '^#!ponorka-demo 2 [^ ]+ #!campaign [0-9a-f]{16} Tri noci $' ||
  fail "the campaign's demo does not name its campaign: $(head -n 2 campaign.demo)"
rc=0
"$RUN_DIR/ponorka" --timedemo campaign.demo >campaign_td.out 2>campaign_td.err || rc=$?
[ $rc = 0 ] || fail "--timedemo of the campaign's demo: exit code $rc: $(cat campaign_td.err)"
cmp -s <(transcript campaign_rec.out) <(transcript campaign_td.out) ||
  fail "--timedemo of the campaign's demo printed otherwise than its recording"
note "a campaign's demo timed without its file: $(tail -n 1 campaign_td.out)"

# --- A recording ended by a signal in mission 1 still has its end line ------------
stdbuf -oL "$RUN_DIR/ponorka" --record term.demo >term.out 2>term.err &
GAME_PID=$!
wait_for_text term.out "More sucessfully created!" 30 || fail "signal: the game did not start"
# Enter held through the opening briefing, whenever it comes up.
xdotool keydown Return
wait_for_count term.out '^Objekt 1  ' 1 30 || fail "signal: mission 1 did not start"
xdotool keyup Return
xdotool keydown Right f
sleep 2
kill -TERM "$GAME_PID"
wait_for_exit "$GAME_PID" 30 || fail "SIGTERM did not end the recording game"
GAME_PID=
release_everything
[ "$EXIT_RC" = 143 ] || fail "SIGTERM: exit code $EXIT_RC, not 143"
tail -n 1 term.demo | grep -qE '^#!end [1-9][0-9]* [0-9a-f]{16}$' || fail "SIGTERM: no end line: $(tail -n 1 term.demo)"
rc=0
"$RUN_DIR/ponorka-replay" term.demo >term_replay.out 2>term_replay.err || rc=$?
[ $rc = 0 ] || fail "the demo ended by SIGTERM: exit code $rc: $(cat term_replay.err)"
cmp -s <(transcript term.out) <(transcript term_replay.out) || fail "the demo ended by SIGTERM plays otherwise"
note "SIGTERM while recording: $(tail -n 1 term.demo), played back alike"

# --- A key changed in the middle of mission 2 ------------------------------------
# The first run of more than 10 steps in the second half of mission 2 gets UP
# added to its sixth step.
m2_end=$(sed -n 's/^#!mission-end 2 \([0-9]*\) .*/\1/p' game.demo)
changed=$(awk -v end="$m2_end" '
  /^#!mission 2$/ { half = steps + int((end - steps) / 2) }
  !/^#/ { n = 1; if (match($0, /\*[0-9]+$/)) n = substr($0, RSTART + 1)
          if (half && steps >= half && n > 10) { print steps + 6; exit }
          steps += n }' game.demo)
[ -n "$changed" ] || fail "no long run of steps in mission 2"
awk -v at="$changed" '
  !/^#/ && !done { n = 1; keys = $0
    if (match($0, /\*[0-9]+$/)) { n = substr($0, RSTART + 1); keys = substr($0, 1, RSTART - 1); sub(/ +$/, "", keys) }
    if (steps + n >= at) {
      before = at - steps - 1; after = n - before - 1; sep = keys == "" ? "" : " "
      if (before) print keys sep "*" before
      print keys sep "UP"
      if (after) print keys sep "*" after
      done = 1; steps += n; next }
    steps += n }
  { print }' game.demo >changed.demo
rc=0
"$RUN_DIR/ponorka-replay" changed.demo >changed.out 2>changed.err || rc=$?
[ $rc = 20 ] || fail "a changed key: exit code $rc, not 20: $(cat changed.err)"
at=$(sed -n 's/.*demo desync at step \([0-9]*\): expected [0-9a-f]\{16\}, got [0-9a-f]\{16\}$/\1/p' changed.err)
[ -n "$at" ] && [ "$at" -ge "$changed" ] || fail "the desync is reported at step '$at', before the change at $changed"
note "a key changed at step $changed: desync reported at step $at"
# The timed playback stops at the same check.
rc=0
"$RUN_DIR/ponorka" --timedemo changed.demo >changed_td.out 2>changed_td.err || rc=$?
[ $rc = 20 ] && grep -q "demo desync at step $at: " changed_td.err ||
  fail "--timedemo of the changed demo: exit code $rc: $(cat changed_td.err)"
! grep -q '^P_VYPOCET' changed_td.out || fail "--timedemo printed a summary after the desync"
xvfb_stop

# --- Bad files: the game refuses each with its code, no display needed ------------
bad() {
  local code=$1 name=$2 line=$3
  local rc=0
  env -u DISPLAY "$RUN_DIR/ponorka" --playdemo "$name" >bad.out 2>bad.err || rc=$?
  [ "$rc" = "$code" ] || fail "$name: exit code $rc, not $code: $(cat bad.err)"
  grep -q "$ART/$name:$line: " bad.err || fail "$name: the message does not name the file and line $line: $(cat bad.err)"
}
head=$(head -n 1 game.demo)
: >empty.demo
bad 23 empty.demo 1
cp live.out notademo.demo
bad 22 notademo.demo 1
sed '1s/ponorka-demo 1 /ponorka-demo 7 /' game.demo >format.demo
bad 24 format.demo 1
printf '%s\n#!mission 1\n*5\n%%garbage!\n' "$head" >garbage.demo
bad 26 garbage.demo 4
printf '%s\n#!mission 1\n*5\n#!check 3 0000000000000000\n' "$head" >order.demo
bad 25 order.demo 4
printf '%s\n#!mission 1\nF *1000000000000\n' "$head" >count.demo
bad 27 count.demo 3
{ echo "$head"; echo '#!mission 1'; head -c 1048576 /dev/zero | tr '\0' F; echo; } >long.demo
bad 28 long.demo 3
rc=0
"$RUN_DIR/ponorka" --record /nonexistent/dir/game.demo >bad.out 2>bad.err || rc=$?
[ $rc = 30 ] && grep -q "/nonexistent/dir/game.demo" bad.err || fail "an unwritable demo: exit code $rc: $(cat bad.err)"
note "bad files refused with their codes"

echo "PASS in ${SECONDS}s"
