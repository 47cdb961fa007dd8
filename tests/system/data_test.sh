#!/usr/bin/env bash
# The game finds its data folder from anywhere: started from an unrelated folder, through
# a symlink to the binary, with a relative --data, with $PONORKA_DATA; and when no place
# holds the data it exits with 2 and lists every place it tried.
# Usage: data_test.sh RUN_DIR INSTALLED_DATA_DIR
set -euo pipefail
RUN_DIR=$(cd "$1" && pwd)
INSTALLED=$2
HERE=$(cd "$(dirname "$0")" && pwd)
source "$HERE/xvfb.sh"
game_test_frame data
T=$OUT

# The compiled-in install path is the last place looked at; installed data there would
# be found by every case below.
if [ -d "$INSTALLED/gfx" ]; then
  echo "SKIP: the game is installed in $INSTALLED, where it would always find its data"
  exit 77
fi

# An unrelated folder to start from, a symlink to the binary, a copy of the binary with
# no data beside it, and a data folder of its own next to the start folder.
mkdir -p "$T/elsewhere" "$T/bin" "$T/solo" "$T/mydata"
ln -s "$RUN_DIR/ponorka" "$T/bin/ponorka"
cp "$RUN_DIR/ponorka" "$T/solo/ponorka"
for d in gfx sfx data; do ln -s "$RUN_DIR/$d" "$T/mydata/$d"; done
cd "$T/elsewhere"

# None found: exit 2, and each place on its own line with why it was tried.
rc=0
env -u DISPLAY PONORKA_DATA="$T/nothing-env" "$T/solo/ponorka" --data ../nothing-opt >"$T/o" 2>"$T/e" || rc=$?
[ "$rc" -eq 2 ] || { cat "$T/e" >&2; fail "no data anywhere: exit $rc, not 2"; }
[ ! -s "$T/o" ] || fail "no data anywhere: something on standard output"
expect_place() {
  grep -qxF -- "  $1 ($2)" "$T/e" || { cat "$T/e" >&2; fail "the places tried do not list $1 ($2)"; }
}
expect_place "$T/nothing-opt" "--data"
expect_place "$T/nothing-env" "\$PONORKA_DATA"
expect_place "$T/elsewhere" "the working directory"
expect_place "$T/solo" "the program's folder"
grep -qE "^  /.* \(the installed data beside the program\)$" "$T/e" || fail "no installed data beside the program"
expect_place "$INSTALLED" "the install path"
echo "none found: exit 2, $(grep -c '^  /' "$T/e") places listed"

# $PONORKA_DATA alone: found, so the game goes on to the display, which is missing.
rc=0
env -u DISPLAY PONORKA_DATA=../mydata "$T/solo/ponorka" >"$T/o" 2>"$T/e" || rc=$?
[ "$rc" -eq 1 ] || { cat "$T/e" >&2; fail "PONORKA_DATA (relative): exit $rc, not 1"; }
echo "\$PONORKA_DATA: found"

# The replay tool finds the data the same way, and reads its script from where it was started.
printf '*5\n' >script.txt
rc=0
"$RUN_DIR/ponorka-replay" --missions 1 --max-steps 5 script.txt >"$T/o" 2>"$T/e" || rc=$?
[ "$rc" -eq 2 ] && grep -q 'did not end within 5 steps' "$T/e" ||
  { cat "$T/e" >&2; fail "ponorka-replay from an unrelated folder: exit $rc"; }
echo "ponorka-replay: data found, script read from the start folder"

# The real start-up under a display: the asset check passes and the background is made,
# so the game reads its files from the folder it found.
xvfb_start
starts() {
  local what=$1
  shift
  stdbuf -oL "$@" >"$T/game.out" 2>"$T/game.err" &
  GAME_PID=$!
  wait_for_text "$T/game.out" "More sucessfully created!" 30 || { cat "$T/game.err" >&2; fail "$what: no start-up"; }
  kill "$GAME_PID" 2>/dev/null || true
  wait "$GAME_PID" 2>/dev/null || true
  GAME_PID=
  echo "$what: started"
}
starts "from an unrelated folder" "$RUN_DIR/ponorka"
starts "through a symlink to the binary" "$T/bin/ponorka"
starts "a lone binary with a relative --data" "$T/solo/ponorka" --data ../mydata
