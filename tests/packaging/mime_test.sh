#!/usr/bin/env bash
# The demo files' MIME type: the shared-mime-info XML is well formed, the
# database builds from it without a complaint, and xdg-mime names our type for
# a demo by its name and for one by its first line alone.
# Usage: mime_test.sh MIME_XML DESKTOP_FILE DEMO
set -euo pipefail
XML=$1
DESKTOP=$2
DEMO=$3
fail() { echo "FAIL: $*" >&2; exit 1; }
TYP=application/x-ponorka-demo

xmllint --noout "$XML" || fail "xmllint: $XML is not well formed"
grep -qx "MimeType=$TYP;" "$DESKTOP" || fail "the desktop entry does not handle $TYP"
grep -q '^Exec=ponorka %f$' "$DESKTOP" || fail "the desktop entry does not hand the file over"

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$tmp/mime/packages"
cp /usr/share/mime/packages/freedesktop.org.xml "$XML" "$tmp/mime/packages/"
out=$(update-mime-database -V "$tmp/mime" 2>&1) || fail "update-mime-database: $out"
! grep -qiE 'warning|error|unknown' <<<"$out" || fail "update-mime-database complains: $out"
grep -qx "$TYP" "$tmp/mime/types" || fail "$TYP is not in the built database"

cp "$DEMO" "$tmp/game.demo"
cp "$DEMO" "$tmp/renamed-recording"
# The desktop picks the lookup; GNOME's (gio) reads the shared-mime-info database.
export XDG_DATA_HOME=$tmp XDG_DATA_DIRS=$tmp XDG_CURRENT_DESKTOP=GNOME
for f in game.demo renamed-recording; do
  got=$(xdg-mime query filetype "$tmp/$f")
  [ "$got" = "$TYP" ] || fail "xdg-mime query filetype $f: $got, not $TYP"
  echo "xdg-mime query filetype $f: $got"
done
