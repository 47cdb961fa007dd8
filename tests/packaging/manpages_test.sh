#!/usr/bin/env bash
# The man pages format without a warning, and name the same options (and, for the game,
# the same exit codes) as the programs' own --help.
# Usage: manpages_test.sh MAN_DIR RUN_DIR VERSION
set -euo pipefail
MAN=$1
RUN=$2
VERSION=$3
fail() { echo "FAIL: $*" >&2; exit 1; }

for page in ponorka.6 ponorka-replay.6; do
  out=$(groff -man -ww -z "$MAN/$page" 2>&1) || fail "groff $page: $out"
  [ -z "$out" ] || fail "groff -man -ww -z $page warns: $out"
  grep -qE "^\.TH [A-Z-]+ 6 \"[^\"]+\" \"Ponorka $VERSION\"" "$MAN/$page" || fail "$page is not of version $VERSION"
done
echo "groff -man -ww -z: no warning in either page"

# "--name ARG" for each option line: ARG only when it is a capitalised placeholder (DIR, T,N).
options_of_help() {
  grep -E '^  --[a-z]' | awk '{ a = ($2 ~ /^[A-Z][A-Z,]*$/) ? " " $2 : ""; print $1 a }' | sort
}
options_of_man() {
  sed -n '/^\.SH OPTIONS/,/^\.SH /p' "$1" | awk '
    prev == ".TP" && /^\.BI? \\-\\-/ {
      line = $0; sub(/^\.BI? /, "", line); gsub(/\\-/, "-", line); gsub(/"/, "", line)
      n = split(line, w, " "); a = (n > 1 && w[2] ~ /^[A-Z][A-Z,]*$/) ? " " w[2] : ""; print w[1] a }
    { prev = $0 }' | sort
}
compare() {
  local what=$1 help=$2 man=$3
  [ -n "$help" ] || fail "$what: no options in --help"
  diff <(echo "$help") <(echo "$man") >/dev/null ||
    fail "$what: --help and the man page differ:$(diff <(echo "$help") <(echo "$man") | sed -n 's/^[<>]/ &/p' | tr '\n' ' ')(< --help, > man)"
  echo "$what: the same $(echo "$help" | wc -l) options in --help and the man page"
}
compare ponorka "$("$RUN/ponorka" --help | options_of_help)" "$(options_of_man "$MAN/ponorka.6")"
compare ponorka-replay "$("$RUN/ponorka-replay" --help 2>&1 | options_of_help)" "$(options_of_man "$MAN/ponorka-replay.6")"

codes_help=$("$RUN/ponorka" --help | sed -n '/^Exit codes:/,$p' | awk '/^  [0-9]+ / { print $1 }' | sort -n)
codes_man=$(sed -n '/^\.SH EXIT STATUS/,/^\.SH /p' "$MAN/ponorka.6" | awk 'prev ~ /^\.TP/ && /^\.B [0-9]+$/ { print $2 } { prev = $0 }' | sort -n)
[ -n "$codes_help" ] && [ "$codes_help" = "$codes_man" ] ||
  fail "exit codes: --help has $(echo $codes_help), the man page $(echo $codes_man)"
echo "ponorka: the same exit codes $(echo $codes_help) in --help and the man page"
