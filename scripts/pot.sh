#!/usr/bin/env bash
# Writes the translation template po/ponorka.pot (or FILE) from the sources: every
# on-screen text marked N_("...") or looked up with preloz("..."), and the briefings of
# the shipped campaigns (scripts/campaign_texts.py), with the comments
# for translators (// TRANSLATORS: ...) above it. No creation date and no line
# numbers, so the file changes only when the texts do.
# Usage: scripts/pot.sh [FILE]   (also: cmake --build <build dir> --target ponorka-pot)
set -euo pipefail
OUT=$(realpath -m "${1:-$(dirname "$0")/../po/ponorka.pot}")
cd "$(dirname "$0")/.."
find src -name '*.cpp' -o -name '*.h' | LC_ALL=C sort |
  xgettext --files-from=- --output="$OUT" --language=C++ --from-code=UTF-8 \
    --keyword=N_ --keyword=preloz --add-comments=TRANSLATORS: --add-location=file \
    --package-name=ponorka --msgid-bugs-address=ponorka@example.org \
    --copyright-holder="The Ponorka developers"
# The briefings of the campaigns that ship with the game (the built-in one's texts
# are the code's, above).
extra=$(mktemp)
trap 'rm -f "$extra"' EXIT
find data/campaigns -name '*.campaign' ! -name ponorka.campaign | LC_ALL=C sort |
  xargs -r python3 scripts/campaign_texts.py >"$extra"
if [ -s "$extra" ]; then
  msgcat --use-first --add-location=file -o "$OUT" "$OUT" "$extra"
fi
sed -i '/^"POT-Creation-Date: /d' "$OUT"
