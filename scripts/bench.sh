#!/usr/bin/env bash
# Builds and runs the benchmarks, times the real game's start-up and a scripted
# game under Xvfb, measures the processor each screen takes, and writes the
# measured tables to docs/performance.md.
# Arguments go to the benchmark program (for instance --benchmark_filter=Krok);
# PONORKA_BUILD_DIR picks the build folder as for scripts/build.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$(pwd)
BUILD_DIR=${PONORKA_BUILD_DIR:-build}
REPS=5
STARTS=7
DOC=$ROOT/docs/performance.md

scripts/setup.sh
cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD_DIR" -j "$(nproc)" --target ponorka ponorka_bench ponorka_prvy_obraz ponorka_podlaha ponorka-assets
BUILD=$(cd "$BUILD_DIR" && pwd)
RUN=$BUILD/run
SHIM=$BUILD/bench/libponorka_prvy_obraz.so

WORK=$(mktemp -d)
XVFB_PID=
cleanup() {
  if [ -n "${GAME_PID:-}" ]; then kill "$GAME_PID" 2>/dev/null || true; fi
  if declare -F xvfb_stop >/dev/null; then xvfb_stop; fi
  rm -rf "$WORK"
}
trap cleanup EXIT

LOAD_BEFORE=$(cut -d' ' -f1-3 /proc/loadavg)

# --- Benchmarks -------------------------------------------------------------
echo "== benchmarks ($REPS repetitions each; the medians go into $DOC)"
"$BUILD/bench/ponorka_bench" --benchmark_repetitions=$REPS --benchmark_report_aggregates_only=true \
  --benchmark_out="$WORK/bench.json" --benchmark_out_format=json "$@"

# One line per median: name, figure, wall, unit, objects, per object. Manual-time
# benchmarks time themselves by the thread's CPU clock (their "real" time); the
# others' figure is their CPU time, also the thread's.
awk '
  function val(line) { sub(/^[^:]*: */, "", line); sub(/,$/, "", line); gsub(/"/, "", line); return line }
  /^    {/ { name = ""; rt = ""; ct = ""; unit = ""; n = ""; po = ""; agg = "" }
  /"name":/ { name = val($0) }
  /"aggregate_name":/ { agg = val($0) }
  /"real_time":/ { rt = val($0) }
  /"cpu_time":/ { ct = val($0) }
  /"time_unit":/ { unit = val($0) }
  /"objekty":/ { n = val($0) }
  /"na_objekt":/ { po = val($0) }
  /^    }/ {
    if (agg != "median" || name == "") next
    sub(/_median$/, "", name)
    sub(/\/min_time:[0-9.]+/, "", name)
    manual = name ~ /manual_time/
    sub(/\/manual_time/, "", name)
    fig = manual ? rt : ct
    wall = manual ? "-" : rt
    printf "%s\t%s\t%s\t%s\t%s\t%s\n", name, fig, wall, unit, n, po
  }' "$WORK/bench.json" >"$WORK/medians.tsv"

# Complexity fits printed by the benchmark program itself.
awk '
  function val(line) { sub(/^[^:]*: */, "", line); sub(/,$/, "", line); gsub(/"/, "", line); return line }
  /"name":/ { name = val($0); sub(/\/min_time:[0-9.]+/, "", name) }
  /"big_o":/ { bigo = val($0) }
  /"real_coefficient":/ { c = val($0) }
  /"time_unit":/ { u = val($0) }
  /"rms":/ { rms = val($0) }
  /^    }/ { if (name ~ /_BigO$/) printf "%s\t%s\t%s %s\n", name, bigo, c, u; if (name ~ /_RMS$/) printf "%s\trms\t%s\n", name, rms; name = ""; bigo = ""; c = ""; u = ""; rms = "" }
' "$WORK/bench.json" >"$WORK/bigo.tsv"

# Figure of a benchmark in microseconds (empty when it did not run).
figure_us() {
  awk -F'\t' -v n="$1" '$1 == n {
    f = $2; u = $4
    if (u == "ns") f /= 1000; else if (u == "ms") f *= 1000; else if (u == "s") f *= 1000000
    printf "%.3f", f }' "$WORK/medians.tsv"
}

# --- Start-up under Xvfb ----------------------------------------------------
source "$ROOT/tests/system/xvfb.sh"
xvfb_start
echo "== start-up: $STARTS runs of the real game under Xvfb on $DISPLAY"
: >"$WORK/startup.tsv"
for i in $(seq 1 $STARTS); do
  marks=$WORK/start$i.txt
  rm -f "$marks"
  (
    cd "$RUN"
    t0=$(date +%s%N)
    echo "$t0" >"$WORK/t0_$i"
    PONORKA_PRVY_OBRAZ=$marks LD_PRELOAD=$SHIM exec ./ponorka >/dev/null 2>&1
  ) &
  GAME_PID=$!
  for _ in $(seq 1 300); do
    grep -q '^prvy_obraz ' "$marks" 2>/dev/null && break
    sleep 0.05
  done
  kill "$GAME_PID" 2>/dev/null || true
  wait "$GAME_PID" 2>/dev/null || true
  GAME_PID=
  t0=$(cat "$WORK/t0_$i")
  # Milliseconds from the launch to each landmark, and the CPU the game had used by the first frame.
  awk -v t0="$t0" '
    { w[$1] = ($2 - t0) / 1e6; c[$1] = $3 / 1e6 }
    END {
      if (!("prvy_obraz" in w)) { print "no-frame"; exit }
      printf "%.1f\t%.1f\t%.1f\t%.1f\t%.1f\t%.1f\t%.1f\t%.1f\n", w["prvy_obraz"], c["prvy_obraz"],
        w["klavesnica"], w["prvy_obrazok"] - w["klavesnica"], w["rezim"] - w["prvy_obrazok"],
        w["rezim_koniec"] - w["rezim"], w["prvy_obraz"] - w["rezim_koniec"],
        w["prvy_obraz"] - (w["rezim"] - w["prvy_obrazok"])
    }' "$marks" >>"$WORK/startup.tsv"
done
xvfb_stop
grep -v no-frame "$WORK/startup.tsv" >"$WORK/startup_ok.tsv" || true
median_col() {
  sort -t$'\t' -k"$1","$1"n "$WORK/startup_ok.tsv" | awk -F'\t' -v c="$1" '{ v[NR] = $c } END { if (NR) print v[int((NR + 1) / 2)] }'
}
START_WALL=$(median_col 1)
START_CPU=$(median_col 2)
START_INIT=$(median_col 3)
START_SOUND_INPUT=$(median_col 4)
START_CHECK=$(median_col 5)
START_MODE=$(median_col 6)
START_GAME=$(median_col 7)
START_NO_CHECK=$(median_col 8)
STARTS_OK=$(wc -l <"$WORK/startup_ok.tsv")

# --- A scripted game under Xvfb ----------------------------------------------
E2E_NOTE=""
E2E_SUMMARY=""
E2E_FRAMES=""
if [ -x "$ROOT/tests/system/play_test.sh" ] || [ -f "$ROOT/tests/system/play_test.sh" ]; then
  echo "== a scripted game (tests/system/play_test.sh) with the frame counter preloaded"
  # The harness starts ./ponorka in the run directory it is given: a twin
  # directory whose ponorka starts the real one with the counter preloaded.
  E2E_RUN=$WORK/run
  mkdir -p "$E2E_RUN"
  for d in gfx sfx data; do ln -s "$RUN/$d" "$E2E_RUN/$d"; done
  cat >"$E2E_RUN/ponorka" <<EOF
#!/bin/sh
export PONORKA_PRVY_OBRAZ=$WORK/e2e_marks.txt
export LD_PRELOAD="\${LD_PRELOAD:+\$LD_PRELOAD:}$SHIM"
exec "$RUN/ponorka" "\$@"
EOF
  chmod +x "$E2E_RUN/ponorka"
  if bash "$ROOT/tests/system/play_test.sh" "$E2E_RUN" "$WORK/e2e" >"$WORK/e2e.log" 2>&1; then
    E2E_SUMMARY=$(sed -n '/^P_VYPOCET/,$p' "$WORK/e2e/game.out")
    E2E_FRAMES=$(grep '^snimky ' "$WORK/e2e_marks.txt" | tail -n 1 || true)
  else
    E2E_NOTE="The scripted game failed; the last lines of its log: $(tail -n 5 "$WORK/e2e.log" | tr '\n' ' ')"
  fi
else
  E2E_NOTE="No scripted end-to-end game (tests/system/play_test.sh) exists in this tree."
fi
# --- A demo, timed ------------------------------------------------------------
# The whole game kept under tests/demos/, played back with --timedemo: no pacing
# wait, every third step drawn, briefings and shops skipped.
TIMEDEMO_DEMO=$ROOT/tests/demos/full.demo
TIMEDEMO=""
if [ -f "$TIMEDEMO_DEMO" ]; then
  echo "== --timedemo of tests/demos/full.demo, 5 runs under Xvfb"
  xvfb_start
  for i in 1 2 3 4 5; do
    (cd "$RUN" && ./ponorka --timedemo "$TIMEDEMO_DEMO" 2>/dev/null | tail -n 1) >>"$WORK/timedemo.txt" || true
  done
  xvfb_stop
  # The run with the median frame rate.
  TIMEDEMO=$(grep '^timedemo: ' "$WORK/timedemo.txt" | sort -t, -k4 -n | awk '{ l[NR] = $0 } END { if (NR) print l[int((NR + 1) / 2)] }')
  # The same in a window twice the size, on a screen that holds it.
  echo "== --timedemo of tests/demos/full.demo at --windowed --scale 2, 5 runs under a 2048x1536 Xvfb"
  xvfb_start 2048x1536
  for i in 1 2 3 4 5; do
    (cd "$RUN" && ./ponorka --windowed --scale 2 --timedemo "$TIMEDEMO_DEMO" 2>/dev/null | tail -n 1) >>"$WORK/timedemo2.txt" || true
  done
  xvfb_stop
  TIMEDEMO2=$(grep '^timedemo: ' "$WORK/timedemo2.txt" | sort -t, -k4 -n | awk '{ l[NR] = $0 } END { if (NR) print l[int((NR + 1) / 2)] }')
fi

summary_value() { echo "$E2E_SUMMARY" | awk -v k="$1" 'index($0, k) { sub(/.*= */, ""); sub(/ *$/, ""); print; exit }'; }

# --- CPU per screen and the mission's pace --------------------------------------
echo "== CPU per screen (bench/system/screens_cpu.sh)"
FLOOR=$BUILD/bench/ponorka_podlaha
if ! bash "$ROOT/bench/system/screens_cpu.sh" "$RUN" "$SHIM" 5 "$FLOOR" >"$WORK/cpu.md" 2>"$WORK/cpu.log"; then
  printf '## CPU per screen\n\nThe measurement failed: %s\n' "$(tail -n 3 "$WORK/cpu.log" | tr '\n' ' ')" >"$WORK/cpu.md"
fi
echo "== CPU per screen in a window at scale 2"
if ! SCREENS_CPU_SIZE=2048x1536 SCREENS_CPU_ARGS="--windowed --scale 2" SCREENS_CPU_LIMIT=8 bash "$ROOT/bench/system/screens_cpu.sh" \
  "$RUN" "$SHIM" 5 "$FLOOR" >"$WORK/cpu2.md" 2>"$WORK/cpu2.log"; then
  printf '## CPU per screen at scale 2\n\nThe measurement failed: %s\n' "$(tail -n 3 "$WORK/cpu2.log" | tr '\n' ' ')" >"$WORK/cpu2.md"
fi

LOAD_AFTER=$(cut -d' ' -f1-3 /proc/loadavg)

# --- The report ---------------------------------------------------------------
ok() { awk -v v="$1" -v b="$2" 'BEGIN { if (v == "") print "not measured"; else print (v + 0 < b + 0) ? "met" : "**missed**" }'; }
ms_of() { awk -v v="$1" 'BEGIN { if (v == "") print "-"; else printf "%.3f ms", v / 1000 }'; }
us_of() { awk -v v="$1" 'BEGIN { if (v == "") print "-"; else printf "%.2f µs", v }'; }

DRAW=$(figure_us BM_KresliaciKrok_Flotila2)
BRIEF_O=$(figure_us BM_BriefingPass_Nepriehladny)
BRIEF_T=$(figure_us BM_BriefingPass_Priehladny)
BRIEF=$(awk -v a="$BRIEF_O" -v b="$BRIEF_T" 'BEGIN { if (a == "" || b == "") print a b; else print (a > b ? a : b) }')
SHOP=$(figure_us BM_shop_pass)
STEP=$(figure_us BM_Krok_Flotila2)
RECORD=$(figure_us BM_NahravanieKroku)
START_US=$(awk -v v="$START_WALL" 'BEGIN { if (v != "") printf "%.0f", v * 1000 }')

{
  echo "# Performance"
  echo
  echo "Measured by \`scripts/bench.sh\` on $(date -u '+%Y-%m-%d %H:%M UTC'), commit $(git rev-parse --short HEAD)."
  echo "Every figure is the median of $REPS repetitions (Google Benchmark's \`--benchmark_repetitions=$REPS\`,"
  echo "median aggregate); start-up is the median of $STARTS launches."
  echo
  echo "## Machine"
  echo
  echo "| | |"
  echo "|---|---|"
  echo "| CPU | $(lscpu | sed -n 's/^Model name: *//p' | head -n 1), $(nproc) cores |"
  echo "| Memory | $(awk '/MemTotal/ { printf "%.1f GiB", $2 / 1048576 }' /proc/meminfo) |"
  echo "| System | $(. /etc/os-release && echo "$PRETTY_NAME"), kernel $(uname -r) |"
  echo "| Compiler | $(c++ --version | head -n 1), RelWithDebInfo (-O2 -g), -ffp-contract=off |"
  echo "| Load average before / after | $LOAD_BEFORE / $LOAD_AFTER |"
  echo
  echo "The figures are the benchmark thread's CPU time, so other processes on the machine"
  echo "count for little; the wall-clock column shows what a busy machine adds to them."
  echo "Start-up is wall-clock time by nature: it includes the display server's work and"
  echo "waits for the disk, and on a loaded machine for the processor."
  echo
  echo "## Budgets"
  echo
  echo "| Budget | Limit | Median | |"
  echo "|---|---|---|---|"
  echo "| Full drawing step, mission-2 fleet with 100 projectiles | 1.5 ms | $(ms_of "$DRAW") | $(ok "$DRAW" 1500) |"
  echo "| Briefing pass, whole first briefing revealed (the slower text mode) | 4 ms | $(ms_of "$BRIEF") | $(ok "$BRIEF" 4000) |"
  echo "| Shop pass without the retrace wait | 4 ms | $(ms_of "$SHOP") | $(ok "$SHOP" 4000) |"
  echo "| World step, mission-2 fleet with 100 projectiles, no drawing | 20 µs | $(us_of "$STEP") | $(ok "$STEP" 20) |"
  echo "| Start-up, process start to the first briefing frame (wall clock) | 300 ms | $(ms_of "$START_US") | $(ok "$START_US" 300000) |"
  echo "| Recording a demo, per step (its line, the check every 100 steps, the flush) | 3 µs | $(us_of "$RECORD") | $(ok "$RECORD" 3) |"
  echo
  echo "## Benchmarks"
  echo
  echo "| Benchmark | Median (thread CPU) | Wall clock | Objects | Per object |"
  echo "|---|---|---|---|---|"
  awk -F'\t' '{
    po = ($6 == "") ? "" : sprintf("%.1f ns", $6 * 1e9)
    n = ($5 == "") ? "" : sprintf("%d", $5)
    u = ($4 == "us") ? "µs" : $4
    w = ($3 == "-") ? "-" : sprintf("%.3f %s", $3, u)
    printf "| `%s` | %.3f %s | %s | %s | %s |\n", $1, $2, u, w, n, po
  }' "$WORK/medians.tsv"
  echo
  echo "What each one measures:"
  echo
  echo "- \`BM_Krok_Flotila2\`: \`Spravca::Krok\` on steps that don't draw, with the five mission-2 boats in view,"
  echo "  20 player torpedoes, 10 decoys, 20 enemy torpedoes, 50 gun bullets and 5 explosions."
  echo "- \`BM_Krok_Objekty_Flotila/N\`: the same step with N listed objects, the boats and decoys fixed and the"
  echo "  projectiles growing: the lists searched stay the same, so the step should grow linearly."
  echo "- \`BM_Krok_Objekty_Umerne/N\`: N listed objects with every kind in the battle's proportions: each torpedo"
  echo "  and bullet searches the boat list and each enemy torpedo the decoy list, so the step grows with N²."
  echo "- \`BM_KresliaciKrok_Flotila2\`: one drawing step: background copy, \`Krok\` with every object's \`Nakresli\` and"
  echo "  the world-to-screen copy, the status bar's copy to the screen and its redraw (fire control, combat and"
  echo "  the 15 ms wait are not part of it). \`BM_KrokKresli_Flotila2\`, \`BM_KopiaPozadia\`,"
  echo "  \`BM_KopiaSvetaNaObrazovku/1\` (the copy as a stretch at scale 1, as the game makes it; \`/0\` the same"
  echo "  rectangle as a plain blit) and \`BM_drawStatusBar\` are its parts."
  echo "- \`BM_BriefingPass_Nepriehladny\` / \`_Priehladny\`: one briefing pass with all 338 characters of the first"
  echo "  briefing revealed, text opaque (as the first briefing runs) and transparent (as the later ones run)."
  echo "  \`BM_briefing_pass/0\` (opaque) and \`/1\` (transparent) are the same pass with a shorter message."
  echo "- \`BM_shop_pass\`: one shop pass, pointer over the torpedo, transparent text, no retrace wait."
  echo "- \`BM_CreateMore\`: the 1024 × 768 night background."
  echo "- \`BM_alfont_*\`: text output from a warm cache (\`textout/<mode>/<size>\`: 0 opaque, -1 transparent), measuring,"
  echo "  and re-rendering a line's glyphs after a size change."
  echo "- \`BM_KontrolaAssetov\`: the start-up check that reads every asset with the game's loaders;"
  echo "  \`BM_StartPoBriefing\`: the work from the graphics mode to the first briefing frame (world, background,"
  echo "  fonts, status bar, the briefing's own files and its first pass), with the image cache emptied first."
  echo "- \`BM_NahravanieKroku\`: what recording a demo adds to a step: the command written as its line and read"
  echo "  back, the runs of equal commands, and every 100th step the checksum and the flush of the file (the"
  echo "  step itself is not part of it). \`BM_KontrolnySucet_Flotila2\` is the checksum alone over the"
  echo "  mission-2 battle; recording pays it once in 100 steps."
  echo
  if [ -s "$WORK/bigo.tsv" ]; then
    echo "Growth fitted by Google Benchmark over N = 10, 100, 1,000, 10,000 (coefficient per N or N², and the"
    echo "RMS error of the fit):"
    echo
    echo "| Series | Fit | RMS |"
    echo "|---|---|---|"
    awk -F'\t' '
      $1 ~ /_BigO$/ { s = $1; sub(/\/manual_time_BigO$/, "", s); sub(/_BigO$/, "", s); split($3, cu, " "); fit[s] = sprintf("%.4g %s × %s", cu[1], cu[2], $2); order[++n] = s }
      $1 ~ /_RMS$/ { s = $1; sub(/\/manual_time_RMS$/, "", s); sub(/_RMS$/, "", s); rms[s] = sprintf("%.0f %%", $3 * 100) }
      END { for (i = 1; i <= n; i++) printf "| `%s` | %s | %s |\n", order[i], fit[order[i]], rms[order[i]] }' "$WORK/bigo.tsv"
    echo
  fi
  echo "## Start-up"
  echo
  if [ -n "$START_WALL" ]; then
    echo "The real game, launched $STARTS times under Xvfb (1024 × 768, 16-bit) with a preloaded stopwatch"
    echo "(\`bench/shim/\`) that notes landmarks of the start-up and the first full-screen copy of the briefing."
    echo "$STARTS_OK of $STARTS launches reached the frame. Medians, milliseconds:"
    echo
    echo "| Phase | ms |"
    echo "|---|---|"
    echo "| launch to the first frame (wall clock) | $START_WALL |"
    echo "| CPU time the game had used by then | $START_CPU |"
    echo "| launch, dynamic loading, Allegro and the text layer (until \`install_keyboard\`) | $START_INIT |"
    echo "| keyboard, mouse and sound (until the asset check's first image) | $START_SOUND_INPUT |"
    echo "| the asset check (until \`set_gfx_mode\`) | $START_CHECK |"
    echo "| setting the mode | $START_MODE |"
    echo "| world, background, fonts, briefing files and its first pass | $START_GAME |"
    echo "| launch to the first frame less the asset check (derived per launch, not measured) | $START_NO_CHECK |"
  else
    echo "The game never reached its first briefing frame under Xvfb; no start-up figure."
  fi
  echo
  echo "## A scripted game"
  echo
  if [ -n "$E2E_SUMMARY" ]; then
    echo "\`tests/system/play_test.sh\` played both missions under Xvfb with real key and mouse events. The"
    echo "game's own summary (its rates count the whole run, briefings and shops included):"
    echo
    echo "| P_VYPOCET (steps) | CAS (ms) | VYPOCET/SEK | FPS |"
    echo "|---|---|---|---|"
    echo "| $(summary_value P_VYPOCET) | $(summary_value CAS) | $(summary_value 'VYPOCET/SEK') | $(summary_value FPS) |"
    echo
    if [ -n "$E2E_FRAMES" ]; then
      echo "$E2E_FRAMES" | awk '{
        if ($3 > 0) printf "Within the missions alone (status-bar copies counted by the preloaded stopwatch, gaps over 0.5 s left out): %d frames in %.1f s, **%.1f FPS** and **%.0f steps per second**, against a ceiling of 66.7 FPS and 200 steps per second set by the 15 ms wait.\n", $2, $3, $2 / $3, 3 * $2 / $3 }'
      echo
    fi
  else
    echo "${E2E_NOTE:-No scripted game was run.}"
    echo
  fi
  echo "## A demo, timed"
  echo
  if [ -n "$TIMEDEMO" ]; then
    echo "\`ponorka --timedemo tests/demos/full.demo\` under Xvfb, the median of 5 runs by frame rate: a whole"
    echo "game of $(wc -c <"$TIMEDEMO_DEMO") bytes, played with no pacing wait and every third step drawn:"
    echo
    echo "    $TIMEDEMO"
    echo
    echo "At the normal pace the same steps take 15 ms per drawn frame, 66.7 frames a second."
    echo
    echo "The same in a 2048 × 1536 window (\`--windowed --scale 2\`, on a 2048 × 1536 Xvfb):"
    echo
    echo "    ${TIMEDEMO2:-not measured}"
  else
    echo "No timed demo was run."
  fi
  echo
  echo "## Presentation"
  echo
  echo "The game's 1024 × 768 picture put on a screen of another size (\`BM_prezentacia\`; the screen"
  echo "a memory bitmap, so the display server's own copy is not in it). Budget: 2 ms."
  echo
  echo "| Screen | Median | |"
  echo "|---|---|---|"
  for a in "1:1024 × 768 (a plain copy; the game itself needs none at this size)" "2:2048 × 1536 window, scale 2" "0:1920 × 1080, fitted 1440 × 1080"; do
    v=$(figure_us "BM_prezentacia/${a%%:*}")
    echo "| ${a#*:} | $(us_of "$v") | $(ok "$v" 2000) |"
  done
  echo
  cat "$WORK/cpu.md"
  echo
  cat "$WORK/cpu2.md"
  echo
  if [ -f "$ROOT/docs/performance-notes.md" ]; then
    cat "$ROOT/docs/performance-notes.md"
  fi
} >"$DOC"
echo "== wrote $DOC"
