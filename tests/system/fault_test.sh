#!/usr/bin/env bash
# Fault and bad-input tests of the real binary: every asset file the game reads is
# in turn removed, emptied, replaced by junk, truncated, cut to its header, given
# a header that lies about the sizes, and replaced by a directory. Each time the
# game must name the file on standard error and exit with code 2 - no signal, no
# sanitizer report, no hang, no summary. A display that can't be opened must give
# the graphics message and exit code 1.
# Usage: fault_test.sh RUN_DIR ARTEFACT_DIR [plain|sanitized]
set -euo pipefail
RUN_DIR=$(cd "$1" && pwd)
mkdir -p "$2"
ART=$(cd "$2" && pwd)
MODE=${3:-plain}
HERE=$(cd "$(dirname "$0")" && pwd)
source "$HERE/xvfb.sh"

if [ "$MODE" = sanitized ]; then
  # Memory errors and undefined behaviour are checked in every run. Leaks are
  # left to the sanitized play test: matching the sound libraries' leaks against
  # the suppressions costs some ten seconds per run, and these runs end early.
  export ASAN_OPTIONS=detect_leaks=0:halt_on_error=1:verify_asan_link_order=0
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
fi

# Every file the game reads.
ASSETS=(
  gfx/submarine/sub_player_right.tga gfx/submarine/sub_player_left.tga gfx/submarine/nepriatel.tga
  gfx/torpedo.tga gfx/gulomet.tga gfx/briefing/zorvik.tga
  gfx/shop/dock.tga gfx/shop/cursor.bmp
  gfx/shop/torpedo_unselected.tga gfx/shop/torpedo_selected.tga gfx/shop/torpedo_unactive.tga
  gfx/shop/navnada_unselected.tga gfx/shop/navnada_selected.tga gfx/shop/navnada_unactive.tga
  gfx/shop/en/torpedo_unselected.tga gfx/shop/en/torpedo_selected.tga gfx/shop/en/torpedo_unactive.tga
  gfx/shop/en/navnada_unselected.tga gfx/shop/en/navnada_selected.tga gfx/shop/en/navnada_unactive.tga
  sfx/briefing/beat.wav
  data/fonts/formal.ttf data/fonts/trebuchet.ttf data/fonts/copperlate.ttf
)
FAULTS=(missing empty junk half header lying directory)

WORK=$(mktemp -d)
GAME=
cleanup() {
  if [ -n "$GAME" ]; then
    kill "$GAME" 2>/dev/null || true
    wait "$GAME" 2>/dev/null || true
  fi
  xvfb_stop
  rm -rf "$WORK"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# A private copy of the run directory, so the build's assets are never touched.
for f in "${ASSETS[@]}"; do
  [ -s "$RUN_DIR/$f" ] || fail "the build did not generate $f"
  mkdir -p "$WORK/game/$(dirname "$f")" "$WORK/good/$(dirname "$f")"
  cp "$RUN_DIR/$f" "$WORK/game/$f"
  cp "$RUN_DIR/$f" "$WORK/good/$f"
done
cp "$RUN_DIR/ponorka" "$WORK/game/ponorka"
# Junk for any file: the game's own machine code, repeated past the largest asset.
: >"$WORK/junk"
while [ "$(stat -c %s "$WORK/junk")" -lt 8388608 ]; do
  tail -c +4097 "$WORK/game/ponorka" >>"$WORK/junk"
done

# Writes BYTES (printf escapes) at OFFSET of FILE, keeping its length.
poke() {
  local file=$1 offset=$2 bytes=$3
  printf "$bytes" | dd of="$file" bs=1 seek="$offset" conv=notrunc status=none
}

# Puts FAULT into asset F of the private copy.
damage() {
  local f=$1 fault=$2 path=$WORK/game/$1 good=$WORK/good/$1
  local size
  size=$(stat -c %s "$good")
  rm -rf "$path"
  case $fault in
    missing) ;;
    empty) : >"$path" ;;
    junk) # the same length of machine code: fixed, and nothing like an image, sound or font
      head -c "$size" "$WORK/junk" >"$path" ;;
    half) head -c $((size / 2)) "$good" >"$path" ;;
    header) head -c 64 "$good" >"$path" ;;
    lying)
      cp "$good" "$path"
      case $f in
        *.tga) poke "$path" 12 '\xff\xff\xff\xff' ;;                  # width and height 65535
        *.bmp) poke "$path" 18 '\xff\xff\x00\x00\xff\xff\x00\x00' ;;  # width and height 65535
        *.wav) poke "$path" 40 '\xff\xff\xff\x7f' ;;                  # data chunk far longer than the file
        *.ttf) poke "$path" 4 '\xff\xff' ;;                           # 65535 tables in the directory
      esac ;;
    directory) mkdir "$path" ;;
  esac
}

restore() {
  rm -rf "$WORK/game/$1"
  cp "$WORK/good/$1" "$WORK/game/$1"
}

xvfb_start
cd "$WORK/game"
tried=0
failed=()
for f in "${ASSETS[@]}"; do
  for fault in "${FAULTS[@]}"; do
    damage "$f" "$fault"
    rc=0
    timeout -k 5 30 ./ponorka >"$WORK/out" 2>"$WORK/err" </dev/null || rc=$?
    tried=$((tried + 1))
    what="$f $fault"
    if [ "$rc" -ne 2 ] || ! grep -qF -- "$f" "$WORK/err" ||
      grep -qE 'ERROR: (Address|Leak)Sanitizer|runtime error:' "$WORK/err" || grep -q P_VYPOCET "$WORK/out"; then
      mkdir -p "$ART/failed"
      cp -r "$WORK/game/$f" "$ART/failed/$(echo "$f" | tr / _).$fault" 2>/dev/null || true
      echo "--- $what: exit code $rc (124 is a hang, above 128 a signal); standard error:" >&2
      grep -v '^ALSA lib' "$WORK/err" | head -n 30 >&2
      failed+=("$what: exit code $rc")
    else
      printf '%-36s %-9s -> exit 2: %s\n' "$f" "$fault" "$(grep -F -- "$f" "$WORK/err" | head -n 1)"
    fi
    restore "$f"
  done
done

# A display that is named but does not exist: the graphics message and exit 1.
rc=0
DISPLAY=:99999 timeout -k 5 30 ./ponorka >"$WORK/out" 2>"$WORK/err" </dev/null || rc=$?
tried=$((tried + 1))
[ "$rc" -eq 1 ] || fail "dead display: exit code $rc"
grep -q "Nemozem nastartovat grafiku" "$WORK/out" "$WORK/err" || fail "dead display: no graphics message"
echo "display :99999 (none)                              -> exit 1"

# With every file back in place the game starts and shows its first briefing.
timeout -k 5 60 stdbuf -oL ./ponorka >"$WORK/out" 2>"$WORK/err" </dev/null &
GAME=$!
wait_for_text "$WORK/out" "More sucessfully created!" 60 || fail "the intact copy does not start"
sleep 1
kill -0 "$GAME" || fail "the intact copy died"
kill "$GAME"
wait "$GAME" 2>/dev/null || true
GAME=
if [ ${#failed[@]} -gt 0 ]; then
  printf 'FAILED: %s\n' "${failed[@]}" >&2
  fail "${#failed[@]} of $tried faults and bad inputs were not refused cleanly"
fi
echo "PASS: $tried faults and bad inputs tried, each refused with a message naming the file"
