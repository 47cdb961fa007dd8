#!/usr/bin/env bash
# Soak test: the replay tool of the sanitized build plays a long script of random
# held keys through both missions, mission 2 re-spawning whenever its enemies are
# gone, and checks the object lists after every step. Any sanitizer report, leak,
# broken list or early end fails the test.
# Usage: soak_test.sh RUN_DIR ARTEFACT_DIR [STEPS] [SEED]
set -euo pipefail
RUN_DIR=$(cd "$1" && pwd)
mkdir -p "$2"
ART=$(cd "$2" && pwd)
STEPS=${3:-200000}
SEED=${4:-20261208}
HERE=$(cd "$(dirname "$0")" && pwd)

export ASAN_OPTIONS=detect_leaks=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$HERE/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

fail() {
  echo "FAIL: $*" >&2
  tail -n 30 "$ART/soak.err" >&2 || true
  exit 1
}

# Runs of 1 to 400 steps, each holding a random set of keys: the fire keys often,
# the helm keys now and then, so the boat wanders, turns about and fights.
awk -v seed="$SEED" -v steps="$STEPS" 'BEGIN {
  srand(seed)
  split("F C X R E RIGHT LEFT S W UP DOWN SPACE", name, " ")
  split("0.5 0.5 0.3 0.1 0.1 0.3 0.3 0.2 0.2 0.2 0.2 0.05", share, " ")
  print "# random held keys, seed " seed
  total = 0
  while (total < steps + 1000) {
    n = 1 + int(rand() * 400)
    line = ""
    for (i = 1; i <= 12; i++)
      if (rand() < share[i]) line = line (line == "" ? "" : " ") name[i]
    print line "*" n
    total += n
  }
}' >"$ART/soak_script.txt"

cd "$RUN_DIR"
start=$SECONDS
rc=0
./ponorka-replay --buy 2,5 --soak "$STEPS" --check-lists "$ART/soak_script.txt" >"$ART/soak.out" 2>"$ART/soak.err" || rc=$?
[ "$rc" -eq 0 ] || fail "the replay tool exited with $rc"
! grep -qE 'ERROR: (Address|Leak)Sanitizer|runtime error:' "$ART/soak.err" || fail "sanitizer report"
grep -E '^soak: ' "$ART/soak.err" || fail "no soak summary"
steps_run=$(sed -n 's/^soak: \([0-9]*\) steps.*/\1/p' "$ART/soak.err")
[ "${steps_run:-0}" -ge "$STEPS" ] || fail "only ${steps_run:-0} steps"
removed=$(grep -c ' Uber 1$' "$ART/soak.out" || true)
echo "PASS: $steps_run steps, $removed enemies sunk, lists sound after every step, in $((SECONDS - start))s"
rm -f "$ART/soak.out"
