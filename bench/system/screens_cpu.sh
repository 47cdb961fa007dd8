#!/usr/bin/env bash
# The processor the real game uses on each screen, measured under Xvfb, and the
# mission's pace. Plays: the first briefing (while typing, then typed out),
# mission 1 (first with no key held, then the torpedo key until the enemy is
# sunk), the second briefing, the shop (pointer still, then moving), Esc.
# CPU is the game process alone, all its threads (the on-CPU time the kernel
# accounts in /proc/PID/task/*/schedstat), in percent of one core over each window.
# Steps per second come from the preloaded stopwatch (bench/shim/): the
# background's copies into the world, one per drawn frame, three steps each.
#
# After each game the floor is measured the same way: FLOOR (bench/shim/podlaha),
# a minimal Allegro program started as the game starts it, its main thread asleep.
#
# Usage: screens_cpu.sh RUN_DIR SHIM [RUNS [FLOOR]] > table.md
# Prints a Markdown section on standard output; the medians of RUNS runs (3).
# SCREENS_CPU_SIZE (1024x768) is the Xvfb screen, SCREENS_CPU_ARGS the game's
# options (for instance "--windowed --scale 2" on a 2048x1536 screen),
# SCREENS_CPU_LIMIT (4) the points above the floor no screen may cost.
set -euo pipefail
RUN_DIR=$(cd "$1" && pwd)
SHIM=$(cd "$(dirname "$2")" && pwd)/$(basename "$2")
RUNS=${3:-3}
FLOOR=${4:-}
SIZE=${SCREENS_CPU_SIZE:-1024x768}
read -r -a GAME_ARGS <<<"${SCREENS_CPU_ARGS:-}"
LIMIT=${SCREENS_CPU_LIMIT:-4}
HERE=$(cd "$(dirname "$0")" && pwd)
source "$HERE/../../tests/system/xvfb.sh"

game_test_frame screens_cpu
WORK=$OUT

# Nanoseconds on a processor: every thread of the game so far, and its main
# thread alone (the rest are Allegro's timer and background threads).
cpu_ns() {
  cat /proc/"$GAME_PID"/task/*/schedstat 2>/dev/null | awk '{ s += $1 } END { printf "%.0f\n", s }'
}
main_ns() { awk '{ print $1 }' /proc/"$GAME_PID"/task/"$GAME_PID"/schedstat; }
now_ns() { date +%s%N; }
# Percent of one core the game used while the command "$@" runs: "all main".
measure_during() {
  local c0 m0 t0 c1 m1 t1
  c0=$(cpu_ns)
  m0=$(main_ns)
  t0=$(now_ns)
  "$@"
  c1=$(cpu_ns)
  m1=$(main_ns)
  t1=$(now_ns)
  awk -v c=$((c1 - c0)) -v m=$((m1 - m0)) -v t=$((t1 - t0)) 'BEGIN { printf "%.2f %.2f\n", 100 * c / t, 100 * m / t }'
}
measure() { measure_during sleep "$1"; }
# The pointer wanders over the shop's backdrop, 50 moves a second, for SECONDS.
wander() {
  local i
  for i in $(seq 1 $(($1 * 50))); do
    xdotool mousemove $((60 + (i * 37) % 90)) $((620 + (i * 23) % 120))
    sleep 0.02
  done
}
measure_moving() { measure_during wander "$1"; }

xvfb_start "$SIZE"
cd "$RUN_DIR"
: >"$WORK/results.tsv"
for run in $(seq 1 "$RUNS"); do
  marks=$WORK/marks$run.txt
  rm -f "$marks"
  release_everything
  PONORKA_PRVY_OBRAZ=$marks LD_PRELOAD=$SHIM ./ponorka "${GAME_ARGS[@]}" >"$WORK/game.out" 2>"$WORK/game.err" &
  GAME_PID=$!
  wait_for_text "$WORK/game.out" "More sucessfully created!" 30 || fail "no start-up"
  sleep 0.3
  # The first briefing types its 338 characters in about 2.7 s.
  typing=$(measure 2)
  sleep 1.5
  typed=$(measure 5)
  key_tap Return
  wait_for_count "$WORK/game.out" '^Objekt 1  ' 1 10 || fail "mission 1 did not start"
  sleep 1
  mission=$(measure 8)
  xdotool keydown f
  wait_for_count "$WORK/game.out" ' Uber 1$' 1 120 || fail "the enemy was not sunk"
  xdotool keyup f
  sleep 0.5
  briefing2=$(measure 3)
  key_tap Return
  sleep 1
  xdotool mousemove 100 700
  sleep 0.5
  shop=$(measure 5)
  shop_moving=$(measure_moving 3)
  key_tap Escape
  wait_for_exit "$GAME_PID" 10 || fail "Esc did not end the game"
  GAME_PID=
  frames=$(grep '^snimky ' "$marks" | tail -n 1)
  floor="- -"
  if [ -n "$FLOOR" ]; then
    "$FLOOR" 8 &
    GAME_PID=$!
    sleep 1.5
    floor=$(measure 5)
    wait "$GAME_PID" || true
    GAME_PID=
  fi
  # Columns: all threads and the main thread for each window, then the pace, then the floor.
  printf '%s %s %s %s %s %s %s %s\n' "$typing" "$typed" "$mission" "$briefing2" "$shop" "$shop_moving" \
    "$(echo "$frames" | awk '{ printf "%.2f", 3 * $2 / $3 }')" "$floor" | tr ' ' '\t' >>"$WORK/results.tsv"
  echo "run $run: $(tail -n 1 "$WORK/results.tsv")" >&2
done

median() {
  cut -f"$1" "$WORK/results.tsv" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'
}
all() { cut -f"$1" "$WORK/results.tsv" | paste -sd' ' | sed 's/ /, /g'; }
verdict() { awk -v v="$1" -v b="$2" 'BEGIN { print (v + 0 <= b + 0) ? "met" : "**missed**" }'; }
pace() { awk -v v="$1" 'BEGIN { print (v >= 198 && v <= 202) ? "met" : "**missed**" }'; }
FLOOR_MEDIAN=$(median 14)
# Points above the floor, when it was measured.
above() { awk -v v="$1" -v f="$FLOOR_MEDIAN" 'BEGIN { if (f == "-" || f == "") print "-"; else printf "%.2f", v - f }'; }
# A table row for window N (1..6): all threads in column 2N-1, the main thread in 2N.
# The limit is on the points above the floor.
row() {
  local name=$2 all_col=$((2 * $1 - 1)) main_col=$((2 * $1))
  local v a
  v=$(median $all_col)
  a=$(above "$v")
  printf '| %s | %s | %s %% | %s | %s %% | %s | %s |\n' "$name" "$LIMIT" "$v" "$a" "$(median $main_col)" \
    "$(all $all_col)" "$([ "$a" = - ] && echo "" || verdict "$a" "$LIMIT")"
}

echo "## CPU per screen${SCREENS_CPU_ARGS:+ ($SCREENS_CPU_ARGS)}"
echo
echo "\`bench/system/screens_cpu.sh\` ran the real game${SCREENS_CPU_ARGS:+ with \`$SCREENS_CPU_ARGS\`} $RUNS times under Xvfb (${SIZE/x/ × }, 16-bit) on"
echo "$(date -u '+%Y-%m-%d %H:%M UTC'), commit $(git -C "$HERE" rev-parse --short HEAD 2>/dev/null || echo unknown), and"
echo "measured the on-processor time of the game process over a window on each screen, in percent of"
echo "one core: every thread, and of that the game's own main thread (the others are Allegro's timer"
echo "thread and its background thread). Load average at the end: $(cut -d' ' -f1-3 /proc/loadavg)."
echo "Medians, and every run's figure for all threads:"
echo
echo "The floor, a minimal Allegro 4 program started as the game starts it (timer, keyboard, mouse,"
echo "the 1024 × 768 mode, a 1 ms timer, the main thread asleep), took $FLOOR_MEDIAN % (runs: $(all 14));"
echo "the game's own work is the figure above it, and no screen may cost more than $LIMIT points above it."
echo
echo "| Screen | Limit (points above the floor) | All threads | Above the floor | Main thread | Runs | |"
echo "|---|---|---|---|---|---|---|"
row 1 "First briefing, typing (2 s)"
row 2 "First briefing, typed out, prompt pulsing (5 s)"
row 3 "Mission 1, no key held (8 s)"
row 4 "Second briefing, first 3 s"
row 5 "Shop, pointer still (5 s)"
row 6 "Shop, pointer moving 50 times a second (3 s)"
echo
echo "| Mission pace | Target | Median | Runs | |"
echo "|---|---|---|---|---|"
echo "| Steps per second (3 × drawn frames per second) | 200 ± 1 % | $(median 13) | $(all 13) | $(pace "$(median 13)") |"
