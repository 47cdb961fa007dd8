#!/usr/bin/env bash
# The translations.
#   catalogues  each po/*.po passes msgfmt --check with every message translated (no
#               untranslated or fuzzy one), and holds the template's messages and no other
#   template    po/ponorka.pot is the template scripts/pot.sh makes from the sources
# Usage: po_test.sh catalogues|template SOURCE_DIR
set -euo pipefail
WHAT=$1
SRC=$(cd "$2" && pwd)
T=$(mktemp -d)
trap 'rm -rf "$T"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
POT=$SRC/po/ponorka.pot

case $WHAT in
  catalogues)
    n=0
    for po in "$SRC"/po/*.po; do
      name=$(basename "$po")
      stats=$(msgfmt --check --statistics -o "$T/ponorka.mo" "$po" 2>&1) || fail "msgfmt --check $name: $stats"
      grep -qE '^[0-9]+ translated messages?\.$' <<<"$stats" || fail "$name is not complete: $stats"
      out=$(msgcmp "$po" "$POT" 2>&1) || fail "$name lacks messages of the template: $out"
      out=$(msgcmp --use-untranslated "$POT" "$po" 2>&1) || fail "$name has messages the template lacks: $out"
      echo "$name: $stats"
      n=$((n + 1))
    done
    [ "$n" -gt 0 ] || fail "no catalogue in po/"
    ;;
  template)
    bash "$SRC/scripts/pot.sh" "$T/ponorka.pot"
    diff -u "$POT" "$T/ponorka.pot" >"$T/diff" ||
      fail "po/ponorka.pot is not the sources' (cmake --build <build dir> --target ponorka-pot):
$(cat "$T/diff")"
    echo "po/ponorka.pot: the $(grep -c '^msgid ' "$POT") messages of the sources (the header's among them)"
    ;;
  *) fail "unknown check $WHAT" ;;
esac
