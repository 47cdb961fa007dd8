#!/usr/bin/env bash
# The command line of the real binary: every option, bad ones, and the exit codes.
# Parsing happens before Allegro starts, so most of it runs without a display.
# Usage: options_test.sh RUN_DIR VERSION
set -euo pipefail
RUN_DIR=$(cd "$1" && pwd)
VERSION=$2
HERE=$(cd "$(dirname "$0")" && pwd)
source "$HERE/xvfb.sh"
GAME=$RUN_DIR/ponorka
game_test_frame options

# Runs the game without a display; sets RC and leaves its output in $OUT/o and $OUT/e.
run() {
  RC=0
  env -u DISPLAY "$GAME" "$@" >"$OUT/o" 2>"$OUT/e" || RC=$?
}

# --help: usage, every option, the keys and the exit codes on standard output.
run --help
[ "$RC" -eq 0 ] || fail "--help exits with $RC"
[ ! -s "$OUT/e" ] || fail "--help writes to standard error: $(cat "$OUT/e")"
head -n 1 "$OUT/o" | grep -q '^Usage: ponorka ' || fail "--help has no usage line"
for option in --help --version --windowed --fullscreen --nosound '--lang CODE' '--data DIR' '--campaign FILE' '--config FILE' --no-config; do
  grep -qE -- "^  $option  " "$OUT/o" || fail "--help does not list $option"
done
grep -qE '^  F +fire a torpedo$' "$OUT/o" || fail "--help has no controls table"
for code in 0 1 2 64; do
  sed -n '/^Exit codes:/,$p' "$OUT/o" | grep -qE "^  $code +[a-z]" || fail "--help does not explain exit code $code"
done
echo "--help: exit 0, every option, the keys and the exit codes"

run --version
[ "$RC" -eq 0 ] || fail "--version exits with $RC"
[ "$(cat "$OUT/o")" = "ponorka $VERSION" ] || fail "--version prints '$(cat "$OUT/o")', not 'ponorka $VERSION'"
echo "--version: ponorka $VERSION"

# A bad command line: one line of reason, then the usage, all on standard error.
check_usage_error() {
  local reason=$1
  shift
  run "$@"
  [ "$RC" -eq 64 ] || fail "'$*' exits with $RC, not 64"
  [ ! -s "$OUT/o" ] || fail "'$*' writes to standard output"
  head -n 1 "$OUT/e" | grep -qF -- "ponorka: $reason" || fail "'$*': first line is '$(head -n 1 "$OUT/e")'"
  sed -n 2p "$OUT/e" | grep -q '^Usage: ponorka ' || fail "'$*' shows no usage after the reason"
  echo "'$*': exit 64, $(head -n 1 "$OUT/e")"
}
check_usage_error "unknown option '--bogus'" --bogus
check_usage_error "option '--data' needs an argument DIR" --windowed --data
check_usage_error "option '--nosound' takes no argument" --nosound=yes
check_usage_error "unexpected argument 'extra'" extra
check_usage_error "a demo plays the campaign it was recorded with" --campaign tri_noci --playdemo x.demo
check_usage_error "--scale takes 1 to 8 or auto, not '9'" --scale 9
check_usage_error "--scale takes 1 to 8 or auto, not '2x'" --windowed --scale=2x
check_usage_error "only one of --config and --no-config" --config "$OUT/a.cfg" --no-config
check_usage_error "--config '$OUT' names a folder, not a file" --config "$OUT"
check_usage_error "--config '$OUT/none/a.cfg': its folder $OUT/none does not exist" --config "$OUT/none/a.cfg"
check_usage_error "option '--lang' needs a language code such as en or sk, not '../en'" --lang ../en

# Every playing option is accepted and the game goes on to the display, which is missing.
for args in --windowed --fullscreen --fullscreen-desktop "--scale 8" "--windowed --scale=auto" --nosound \
  "--data $RUN_DIR" "--data=$RUN_DIR --windowed --nosound" "--lang en" --lang=sk; do
  # shellcheck disable=SC2086
  run $args
  [ "$RC" -eq 1 ] || fail "'$args' without a display exits with $RC, not 1"
  grep -q "Nemozem nastartovat grafiku" "$OUT/e" "$OUT/o" || fail "'$args': no graphics message"
done
echo "playing options without a display: exit 1 with the graphics message"

# A campaign is read before the display: a shipped one by name goes on to it, a bad one is
# refused with its code and FILE:LINE, and a demo that was to be recorded stays untouched.
run --campaign tri_noci
[ "$RC" -eq 1 ] || fail "--campaign tri_noci without a display exits with $RC, not 1: $(cat "$OUT/e")"
printf '#!ponorka-campaign 1\nname Zla\nmission\nboss 1 2 3\n' >"$OUT/zla.campaign"
echo "a demo the player keeps" >"$OUT/keep.demo"
run --campaign "$OUT/zla.campaign" --record "$OUT/keep.demo"
[ "$RC" -eq 44 ] || fail "a bad campaign exits with $RC, not 44: $(cat "$OUT/e")"
grep -qF "ponorka: $OUT/zla.campaign:4: unknown keyword \"boss\"" "$OUT/e" || fail "a bad campaign: $(cat "$OUT/e")"
[ ! -s "$OUT/o" ] || fail "a bad campaign writes to standard output"
[ "$(cat "$OUT/keep.demo")" = "a demo the player keeps" ] || fail "a bad campaign touched the demo to record"
run --campaign no_such_campaign
[ "$RC" -eq 40 ] || fail "an unknown campaign exits with $RC, not 40"
grep -qF "data/campaigns/no_such_campaign.campaign" "$OUT/e" || fail "an unknown campaign: $(cat "$OUT/e")"
echo "--campaign: read before the display; a bad one exits 44 naming its line, an unknown one 40"

# Under a display: --windowed opens a managed window named after the game, the full
# screen is an unmanaged (override-redirect) window over the whole screen.
xvfb_start
start_game() {
  stdbuf -oL "$GAME" "$@" >"$OUT/game.out" 2>"$OUT/game.err" &
  GAME_PID=$!
  wait_for_text "$OUT/game.out" "More sucessfully created!" 30 || { cat "$OUT/game.err" >&2; fail "'$*': no start-up"; }
}
stop_game() {
  kill "$GAME_PID" 2>/dev/null || true
  wait "$GAME_PID" 2>/dev/null || true
  GAME_PID=
}
named_window() { xwininfo -root -tree | grep -E '"ponorka": \("allegro" "Allegro"\) +1024x768' || true; }
unmanaged_full_screen() {
  local id
  for id in $(xwininfo -root -children | awk '/1024x768\+0\+0/ { print $1 }'); do
    xwininfo -id "$id" | grep -q 'Override Redirect State: yes' && return 0
  done
  return 1
}

# The library sends its window requests from its own thread: on a busy machine the
# server may show them a moment after start-up, so each look is repeated for a while.
eventually() {
  local i
  for i in $(seq 50); do
    "$@" && return 0
    sleep 0.2
  done
  return 1
}
has_named_window() { [ -n "$(named_window)" ]; }

start_game --windowed
eventually has_named_window || true
window=$(named_window)
[ -n "$window" ] || { xwininfo -root -tree >&2; fail "--windowed: no 1024x768 window named ponorka"; }
! unmanaged_full_screen || fail "--windowed: an override-redirect full-screen window"
stop_game
echo "--windowed: a managed window,$window"

start_game --windowed --fullscreen
eventually unmanaged_full_screen || { xwininfo -root -tree >&2; fail "--fullscreen: no override-redirect full-screen window"; }
[ -z "$(named_window)" ] || fail "--fullscreen: a managed window"
stop_game
echo "--fullscreen (after --windowed, the last one counts): full screen"

# Without a sound driver the sound library is never asked for a device, so it says nothing.
start_game --nosound
sleep 1
stop_game
! grep -q 'ALSA' "$OUT/game.err" || fail "--nosound: the sound library still spoke: $(grep -m1 ALSA "$OUT/game.err")"
echo "--nosound: no sound driver messages"
