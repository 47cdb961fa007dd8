#!/usr/bin/env bash
# The game's language, under Xvfb. The settled first briefing in the C locale and with
# --lang sk is today's Slovak one pixel for pixel (briefing-sk.png beside this script:
# its text column, right of the portrait and above the prompt); with --lang en, where
# only the C locales exist, it is another text, inside the screen. And the summary keeps
# its decimal points under a locale with a decimal comma.
# Usage: lang_test.sh RUN_DIR SCENARIO [ARTEFACT_DIR], SCENARIO one of
#   briefing  the three first briefings; the English one is kept as ARTEFACT_DIR/briefing-en.png
#   summary   LC_ALL=sk_SK.UTF-8, Esc a second into mission 1 (exit 77 without that locale,
#             which scripts/setup.sh generates)
set -euo pipefail
RUN_DIR=$(cd "$1" && pwd)
SCENARIO=$2
ART=${3:-}
HERE=$(cd "$(dirname "$0")" && pwd)
source "$HERE/xvfb.sh"
game_test_frame "lang $SCENARIO"
TODAY=$HERE/briefing-sk.png

# start_game [VAR=VALUE]... -- [OPTION]...: the game in a clean locale environment.
start_game() {
  local vars=()
  while [ "$1" != -- ]; do
    vars+=("$1")
    shift
  done
  shift
  env -u LANGUAGE -u LC_ALL -u LC_MESSAGES -u LC_NUMERIC -u LANG "${vars[@]}" \
    ./ponorka --nosound "$@" >"$OUT/game.out" 2>"$OUT/game.err" &
  GAME_PID=$!
}
stop_game() {
  kill "$GAME_PID" 2>/dev/null || true
  wait "$GAME_PID" 2>/dev/null || true
  GAME_PID=
}
# Pixels of the text column of FILE that differ from today's.
differs_from_today() {
  text_column "$1" "$OUT/column.png"
  compare -metric AE "$TODAY" "$OUT/column.png" null: 2>&1 || true
}
same_as_today() {
  screenshot "$OUT/probe.png"
  [ "$(differs_from_today "$OUT/probe.png")" = 0 ]
}

cd "$RUN_DIR"
xvfb_start
case "$SCENARIO" in
  briefing)
    # LANGUAGE counts for nothing under the C locale: the game's own text.
    start_game LANG=C LANGUAGE=en --
    wait_until 30 same_as_today ||
      fail "LANG=C: the first briefing differs from today's in $(differs_from_today "$OUT/probe.png") pixels"
    stop_game
    echo "LANG=C LANGUAGE=en: the settled first briefing is today's, pixel for pixel"

    start_game LC_ALL=C.UTF-8 LANGUAGE=en -- --lang sk
    wait_until 30 same_as_today ||
      fail "--lang sk: the first briefing differs from today's in $(differs_from_today "$OUT/probe.png") pixels"
    stop_game
    echo "--lang sk over LANGUAGE=en: the settled first briefing is today's, pixel for pixel"

    start_game LANG=C -- --lang en
    # The English text has the Slovak one's fifteen lines.
    briefing_settled "$OUT/en.png" 15 30 || fail "--lang en: the first briefing was not typed out"
    n=$(differs_from_today "$OUT/en.png")
    [ "$n" -gt 1000 ] || fail "--lang en: the first briefing differs from the Slovak one in only $n pixels"
    edge=$(lit_share "$OUT/en.png" 990 100 34 590)
    awk -v s="$edge" 'BEGIN { exit !(s == 0) }' || fail "--lang en: text lit at the right edge ($edge)"
    stop_game
    if [ -n "$ART" ]; then
      mkdir -p "$ART"
      cp "$OUT/en.png" "$ART/briefing-en.png"
    fi
    echo "--lang en under LANG=C: the settled first briefing is another text ($n pixels), the right edge dark"

    # The settings file's language over the locale, --lang over the file.
    printf '[game]\nlanguage = en\n' >"$OUT/en.cfg"
    start_game LANG=C -- --config "$OUT/en.cfg"
    briefing_settled "$OUT/cfg.png" 15 30 || fail "language = en: the first briefing was not typed out"
    [ "$(differs_from_today "$OUT/cfg.png")" -gt 1000 ] || fail "language = en: the first briefing is the Slovak one"
    stop_game
    start_game LANG=C -- --config "$OUT/en.cfg" --lang sk
    wait_until 30 same_as_today || fail "--lang sk over language = en: the first briefing is not today's"
    stop_game
    echo "[game] language = en: English; --lang sk over it: today's briefing"
    ;;
  summary)
    if ! locale -a 2>/dev/null | grep -qix 'sk_SK.utf8'; then
      echo "SKIP: no sk_SK.UTF-8 locale here (scripts/setup.sh generates it)"
      exit 77
    fi
    [ "$(env LC_ALL=sk_SK.UTF-8 /usr/bin/printf '%.1f' 1)" = "1,0" ] || fail "sk_SK.UTF-8 writes no decimal comma"
    start_game LC_ALL=sk_SK.UTF-8 --
    wait_until 30 portrait_shown || fail "the first briefing did not appear"
    key_tap Return
    wait_for_count "$OUT/game.out" '^Objekt 1  ' 1 10 || fail "mission 1 did not start"
    sleep 1
    key_tap Escape
    wait_for_exit "$GAME_PID" 10 || fail "the game did not end"
    GAME_PID=
    [ "$EXIT_RC" = 0 ] || fail "exit code $EXIT_RC"
    summary_ok "$OUT/game.out" || fail "the summary is not the game's own"
    for key in CAS_NA_VYPOCET 'VYPOCET/SEK' FPS; do
      grep -qE "^ ?$key =? ?[0-9]+\.[0-9]{6} ?$" "$OUT/game.out" || fail "$key: $(grep -E "^ ?$key" "$OUT/game.out")"
    done
    echo "LC_ALL=sk_SK.UTF-8: $(grep -E '^(CAS_NA|FPS)' "$OUT/game.out" | tr -s ' \n' ' ')"
    ;;
  *) fail "unknown scenario" ;;
esac
echo "PASS: lang $SCENARIO"
