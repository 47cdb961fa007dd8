#!/usr/bin/env bash
# Hostile files and surroundings, one table per program. Each case runs the real
# binary once, under a time limit, and checks its exit code, the first line of
# its standard error and the files left behind in the case's folder: nothing
# hangs, no demo the player had is lost, and the code is the documented one.
# The game's cases that need a display run under Xvfb, the others without DISPLAY.
# Usage: hostile_test.sh game|replay RUN_DIR [plain|sanitized] [INSTALLED_DATA_DIR]
set -euo pipefail
PROGRAM=$1
RUN_DIR=$(cd "$2" && pwd)
MODE=${3:-plain}
INSTALLED=${4:-}
HERE=$(cd "$(dirname "$0")" && pwd)
DEMOS=$(cd "$HERE/../demos" && pwd)
source "$HERE/xvfb.sh"
game_test_frame "hostile $PROGRAM"

if [ "$MODE" = sanitized ]; then
  # Memory errors and undefined behaviour end the run; leaks are the sanitized play test's.
  export ASAN_OPTIONS=detect_leaks=0:halt_on_error=1:verify_asan_link_order=0
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
fi

# A private copy of the program and its data: cases put FIFOs and damage into copies
# of it, and one looks for stray files in it.
G=$OUT/run
mkdir -p "$G"
case $PROGRAM in
  game) BIN=ponorka ;;
  replay) BIN=ponorka-replay ;;
  *) fail "unknown program $PROGRAM" ;;
esac
cp "$RUN_DIR/$BIN" "$G/"
cp -r "$RUN_DIR/gfx" "$RUN_DIR/sfx" "$RUN_DIR/data" "$G/"
VERSION=$(env -u DISPLAY "$G/$BIN" --version 2>/dev/null | awk '{ print $2 }' || true)
[ -n "$VERSION" ] || VERSION=$(sed -n '1s/^#!ponorka-demo [0-9]* //p' "$DEMOS/full.demo")

# A data folder like the copy, with FILE (relative to it) replaced: copy_data DIR FILE.
copy_data() {
  mkdir -p "$1"
  cp -r "$G/gfx" "$G/sfx" "$G/data" "$1/"
  rm -f "$1/$2"
}

# A writable device that is always full, private to this test where the system allows it.
full_device() {
  mknod "$1" c 1 7 2>/dev/null && echo "$1" || echo /dev/full
}

# Runs "$@" with its standard output a pipe whose reader is already gone.
closed_pipe() {
  python3 -c 'import os, subprocess, sys
r, w = os.pipe()
os.close(r)
p = subprocess.run(sys.argv[1:], stdout=w)
sys.exit(p.returncode if p.returncode >= 0 else 128 - p.returncode)' "$@"
}

# The game in the background until its first briefing shows, then signal SIG:
# RC is the exit code, or "timeout".
until_briefing_then() {
  local sig=$1
  shift
  "$@" &
  GAME_PID=$!
  wait_until 30 portrait_shown >/dev/null 2>&1 || true
  kill -"$sig" "$GAME_PID" 2>/dev/null || true
  stop_game 2>/dev/null
}

# Waits up to 30 s for GAME_PID to end: RC is its exit code, or "timeout" (it is then killed).
stop_game() {
  if ! wait_for_exit "$GAME_PID" 30; then
    kill -KILL "$GAME_PID" 2>/dev/null || true
    wait "$GAME_PID" 2>/dev/null || true
  fi
  GAME_PID=
  RC=$EXIT_RC
}

# Runs "$@" under the time limit LIMIT (20 s): RC is its exit code, 124 a hang.
limited() {
  RC=0
  timeout -k 5 "${LIMIT:-20}" "$@" || RC=$?
}

# --- The game's cases ------------------------------------------------------------
# Each runs in its own folder C, standard output to $E.out, standard error to $E.err.

game_fifo_asset() {
  copy_data "$C/../fifo-data" gfx/torpedo.tga
  mkfifo "$C/../fifo-data/gfx/torpedo.tga"
  limited "$G/ponorka" --nosound --data ../fifo-data >"$E.out" 2>"$E.err" </dev/null
}
game_dev_zero() {
  limited env -u DISPLAY "$G/ponorka" --playdemo /dev/zero >"$E.out" 2>"$E.err"
}
game_broken_pipe() {
  until_briefing_then TERM "$G/ponorka" --nosound --record x.demo > >(head -n 1 >/dev/null) 2>"$E.err"
}
game_keep_no_display() {
  make_keep_demo
  limited env -u DISPLAY "$G/ponorka" --record keep.demo >"$E.out" 2>"$E.err"
}
game_keep_bad_asset() {
  make_keep_demo
  copy_data "$C/../bad-data" gfx/torpedo.tga
  head -c 100 "$G/gfx/torpedo.tga" >"$C/../bad-data/gfx/torpedo.tga"
  limited "$G/ponorka" --nosound --data ../bad-data --record keep.demo >"$E.out" 2>"$E.err" </dev/null
}
game_gone_folder() {
  FILES_IN=$G
  # The folder goes while a shell is in it.
  rmdir "$C"
  limited env -u DISPLAY "$G/ponorka" --record rel.demo >"$E.out" 2>"$E.err"
}
game_sighup() {
  make_keep_demo
  until_briefing_then HUP "$G/ponorka" --nosound --record keep.demo >"$E.out" 2>"$E.err"
}
game_cut_end() {
  sed "1s/.*/#!ponorka-demo 1 $VERSION/" "$DEMOS/full.demo" | head -c -9 >cut.demo
  save cut.demo
  LIMIT=120 limited "$G/ponorka" --nosound --timedemo cut.demo >"$E.out" 2>"$E.err" </dev/null
}
game_empty() {
  : >empty.demo
  limited env -u DISPLAY "$G/ponorka" --playdemo empty.demo >"$E.out" 2>"$E.err"
}
game_full_stdout() {
  limited env -u DISPLAY "$G/ponorka" --help >"$(full_device "$C/../full-stdout")" 2>"$E.err"
}
game_closed_stdout() {
  limited env -u DISPLAY "$G/ponorka" --version >&- 2>"$E.err"
}
game_full_demo() {
  local full
  full=$(full_device "$C/full")
  until_briefing_then TERM "$G/ponorka" --nosound --record "$full" >"$E.out" 2>"$E.err"
}

# A demo the player keeps, in the case's folder: its copy tells whether it was touched.
make_keep_demo() {
  cp "$DEMOS/short.demo" keep.demo
  save keep.demo
}
save() { cp "$1" "$E.orig.$1"; }

# case | exit code | first line of standard error (ERE; "-": none) | files left in the folder
# ("-": none; NAME:kept unchanged, NAME:whole a demo with its end line, NAME:replaced a whole
# demo other than the one that was there, NAME:device still a device)
GAME_CASES=(
  "fifo_asset|2|^ponorka: asset file \"gfx/torpedo.tga\": not a regular file \(a FIFO\)$|-"
  "dev_zero|28|^ponorka: /dev/zero:1: line longer than 4096 characters$|-"
  "broken_pipe|143|^ponorka: write error on standard output: Broken pipe$|x.demo:whole"
  "keep_no_display|1|^ponorka: no display: DISPLAY is not set$|keep.demo:kept"
  "keep_bad_asset|2|^ponorka: asset file \"gfx/torpedo.tga\": truncated TGA pixel data$|keep.demo:kept"
  "gone_folder|30|^ponorka: can't write the demo rel.demo: the folder it was started in no longer exists|data gfx ponorka sfx"
  "sighup|129|-|keep.demo:replaced"
  "cut_end|29|^ponorka: .*/cut.demo:130: the demo ended early, without its end line|cut.demo:kept"
  "empty|23|^ponorka: .*/empty.demo:1: the file is empty$|empty.demo"
  "full_stdout|74|^ponorka: write error on standard output: No space left on device$|-"
  "closed_stdout|74|^ponorka: write error on standard output: Bad file descriptor$|-"
  "full_demo|30|^ponorka: can't write the demo .*full: No space left on device|full:device"
)

# --- The replay tool's cases -------------------------------------------------------

make_script() { printf '# the blast line sinks the lone enemy of mission 1\nR\n' >script.txt; }
replay() { limited "$G/ponorka-replay" "$@"; }

replay_fifo_font() {
  make_script
  copy_data "$C/../fifo-data" data/fonts/formal.ttf
  mkfifo "$C/../fifo-data/data/fonts/formal.ttf"
  PONORKA_DATA=$C/../fifo-data replay --missions 1 script.txt >"$E.out" 2>"$E.err" </dev/null
}
replay_dev_zero() {
  # The reader that knows no limit grows by hundreds of MB a second: keep it to one GB.
  if [ "$MODE" = sanitized ]; then
    replay /dev/zero >"$E.out" 2>"$E.err"
  else
    (ulimit -v 1048576 && replay /dev/zero >"$E.out" 2>"$E.err" && echo "$RC" >"$E.rc") || true
    RC=$(cat "$E.rc" 2>/dev/null || echo "killed")
  fi
}
replay_broken_pipe() {
  make_script
  save script.txt
  RC=0
  closed_pipe timeout -k 5 20 "$G/ponorka-replay" --record x.demo --missions 1 script.txt 2>"$E.err" || RC=$?
}
replay_keep_no_data() {
  make_script
  save script.txt
  make_keep_demo
  mkdir -p "$C/../solo"
  cp "$G/ponorka-replay" "$C/../solo/"
  replay_solo=$C/../solo/ponorka-replay
  limited env -u PONORKA_DATA "$replay_solo" --record keep.demo script.txt >"$E.out" 2>"$E.err"
}
replay_keep_bad_font() {
  make_script
  save script.txt
  make_keep_demo
  copy_data "$C/../bad-data" data/fonts/formal.ttf
  head -c 2000 "$G/data/fonts/formal.ttf" >"$C/../bad-data/data/fonts/formal.ttf"
  PONORKA_DATA=$C/../bad-data replay --record keep.demo script.txt >"$E.out" 2>"$E.err"
}
replay_gone_folder() {
  FILES_IN=$G
  make_script
  mv script.txt "$E.script"
  rmdir "$C"
  replay --record rel.demo "$E.script" >"$E.out" 2>"$E.err"
}
# A file in the working folder other than keep.demo holds the record of mission 1:
# the recording has begun.
recording_begun() {
  local f
  for f in ./*; do
    [ "$f" != ./keep.demo ] && [ -f "$f" ] && grep -qsx '#!mission 1' "$f" && return 0
  done
  return 1
}
replay_sighup() {
  make_keep_demo
  printf '*1\n' >idle.txt
  save idle.txt
  # The trace goes into a pipe that nobody reads until the signal has come: the
  # tool waits in the middle of mission 1 in a write, however fast it runs.
  mkfifo trace
  sleep 600 <trace &
  local reader=$!
  "$G/ponorka-replay" --record keep.demo --trace trace idle.txt >"$E.out" 2>"$E.err" &
  GAME_PID=$!
  wait_until 20 recording_begun || true
  kill -HUP "$GAME_PID" 2>/dev/null || true
  timeout 30 cat trace >/dev/null || true
  kill "$reader" 2>/dev/null || true
  wait "$reader" 2>/dev/null || true
  stop_game 2>/dev/null
}
replay_cut_end() {
  head -c -9 "$DEMOS/full.demo" >cut.demo
  save cut.demo
  replay cut.demo >"$E.out" 2>"$E.err"
}
replay_empty() {
  : >empty.demo
  replay empty.demo >"$E.out" 2>"$E.err"
}
replay_cut_header() {
  printf '#!ponorka-de' >header.demo
  save header.demo
  replay header.demo >"$E.out" 2>"$E.err"
}
replay_same_trace() {
  cp "$DEMOS/short.demo" game.demo
  save game.demo
  replay --trace game.demo game.demo >"$E.out" 2>"$E.err"
}
replay_same_record() {
  make_script
  save script.txt
  replay --record script.txt --missions 1 script.txt >"$E.out" 2>"$E.err"
}
replay_same_campaign() {
  cp "$HERE/../../data/campaigns/tri_noci.campaign" nights.campaign
  save nights.campaign
  make_script
  save script.txt
  replay --record nights.campaign --campaign ./nights.campaign script.txt >"$E.out" 2>"$E.err"
}
replay_full_stdout() {
  cp "$DEMOS/short.demo" game.demo
  save game.demo
  replay game.demo >"$(full_device "$C/../full-stdout")" 2>"$E.err"
}
replay_full_demo() {
  make_script
  save script.txt
  replay --record "$(full_device "$C/full")" --missions 1 script.txt >"$E.out" 2>"$E.err"
}

# case | exit code | first line of standard error | files left, as for the game
REPLAY_CASES=(
  "fifo_font|2|^ponorka-replay: asset file \"data/fonts/formal.ttf\" in /.*: not a regular file \(a FIFO\)$|script.txt"
  "dev_zero|28|^ponorka-replay: /dev/zero:1: line longer than 4096 characters$|-"
  "broken_pipe|74|^ponorka-replay: write error on standard output: Broken pipe$|script.txt:kept x.demo:whole"
  "keep_no_data|2|^ponorka-replay: can't find the game's data|keep.demo:kept script.txt:kept"
  "keep_bad_font|2|^ponorka-replay: asset file \"data/fonts/formal.ttf\" in /.*/bad-data: truncated|keep.demo:kept script.txt:kept"
  "gone_folder|30|^ponorka-replay: can't write the demo rel.demo: the folder it was started in no longer exists|data gfx ponorka-replay sfx"
  "sighup|129|-|idle.txt:kept keep.demo:replaced trace"
  "cut_end|29|^ponorka-replay: cut.demo:130: the demo ended early, without its end line|cut.demo:kept"
  "empty|23|^ponorka-replay: empty.demo:1: the file is empty$|empty.demo"
  "cut_header|22|^ponorka-replay: header.demo:1: not a demo|header.demo:kept"
  "same_trace|64|^ponorka-replay: --trace game.demo is the file it reads|game.demo:kept"
  "same_record|64|^ponorka-replay: --record script.txt is the file it reads|script.txt:kept"
  "same_campaign|64|^ponorka-replay: --record nights.campaign is the campaign it reads|nights.campaign:kept script.txt:kept"
  "full_stdout|74|^ponorka-replay: write error on standard output: No space left on device$|game.demo:kept"
  "full_demo|30|^ponorka-replay: can't write the demo .*full: No space left on device|full:device script.txt:kept"
)

# True when FILE is a whole demo: its header first, its end line last.
whole_demo() {
  head -n 1 "$1" | grep -q '^#!ponorka-demo ' && tail -n 1 "$1" | grep -qE '^#!end [0-9]+ [0-9a-f]{16}$'
}

# Checks the files left in DIR against WANT ("-": none; NAME, NAME:kept, NAME:whole,
# NAME:device); prints what is wrong, nothing when all is well.
files_wrong() {
  local dir=$1 want=$2 names="" token name state
  [ "$want" = - ] && want=""
  for token in $want; do names="$names ${token%%:*}"; done
  local have
  have=$(cd "$dir" && ls -A | sort | tr '\n' ' ' | sed 's/ $//')
  [ "$have" = "$(echo $names | tr ' ' '\n' | sort | tr '\n' ' ' | sed 's/ $//')" ] || echo "files: '$have'"
  for token in $want; do
    name=${token%%:*}
    state=${token#*:}
    [ "$state" = "$token" ] && continue
    case $state in
      kept) cmp -s "$dir/$name" "$E.orig.$name" || echo "$name changed" ;;
      whole) whole_demo "$dir/$name" || echo "$name is no whole demo: ends '$(tail -c 40 "$dir/$name" | tr '\n' '|')'" ;;
      replaced) whole_demo "$dir/$name" && ! cmp -s "$dir/$name" "$E.orig.$name" ||
        echo "$name is not a whole new demo: ends '$(tail -c 40 "$dir/$name" | tr '\n' '|')'" ;;
      device) [ -c "$dir/$name" ] || [ ! -e "$dir/$name" ] || echo "$name is no longer a device" ;;
    esac
  done
}

failed=()
run_table() {
  local row name want err files first wrong
  for row in "$@"; do
    IFS='|' read -r name want err files <<<"$row"
    C=$OUT/case/$name/folder
    E=$OUT/case/$name/std
    FILES_IN=$C
    mkdir -p "$C"
    cd "$C"
    RC=
    "${PROGRAM}_$name"
    cd "$OUT"
    first=$(grep -v '^ALSA lib' "$E.err" 2>/dev/null | head -n 1 || true)
    wrong=""
    [ "$RC" = "$want" ] || wrong="exit $RC, not $want; "
    if [ "$err" = - ]; then
      [ -z "$first" ] || wrong="${wrong}standard error not empty; "
    else
      grep -qE -- "$err" <<<"$first" || wrong="${wrong}first line of standard error; "
    fi
    if [ "$MODE" = sanitized ] && grep -qE 'ERROR: (Address|Leak)Sanitizer|runtime error:' "$E.err" 2>/dev/null; then
      wrong="${wrong}a sanitizer report; "
    fi
    wrong="$wrong$(files_wrong "$FILES_IN" "$files" | tr '\n' ';')"
    printf '%-15s exit %-7s %s\n' "$name" "$RC" "${first:-(nothing on standard error)}"
    if [ -n "$wrong" ]; then
      echo "  FAIL: $wrong" >&2
      failed+=("$name")
    fi
  done
}

if [ "$PROGRAM" = game ]; then
  xvfb_start
  run_table "${GAME_CASES[@]}"
else
  if [ -n "$INSTALLED" ] && [ -d "$INSTALLED/gfx" ]; then
    # The installed data would be found by the tool without any data of its own.
    REPLAY_CASES=("${REPLAY_CASES[@]/keep_no_data*/}")
  fi
  rows=()
  for row in "${REPLAY_CASES[@]}"; do [ -n "$row" ] && rows+=("$row"); done
  run_table "${rows[@]}"
fi
[ ${#failed[@]} -eq 0 ] || fail "${#failed[@]} cases: ${failed[*]}"
echo "PASS: every case of $PROGRAM"
