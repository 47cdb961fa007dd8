#!/usr/bin/env bash
# scripts/package.sh builds the .deb, lintian has no error or warning on it, and the
# package holds Debian's layout for games with the right control fields.
# Usage: deb_test.sh SOURCE_DIR BUILD_DIR APP_ID VERSION
set -euo pipefail
SRC=$(cd "$1" && pwd)
BUILD=$(cd "$2" && pwd)
ID=$3
VERSION=$4
HERE=$(cd "$(dirname "$0")" && pwd)
source "$HERE/layout.sh"
T=$(mktemp -d)
trap 'rm -rf "$T"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

PONORKA_BUILD_DIR=$BUILD bash "$SRC/scripts/package.sh" >"$T/package.log" 2>&1 ||
  { tail -n 40 "$T/package.log" >&2; fail "scripts/package.sh"; }
DEB=$BUILD/ponorka_${VERSION}_amd64.deb
[ -f "$DEB" ] || fail "no $DEB"
! grep -qE '^[EW]: ' "$T/package.log" || fail "lintian: $(grep -E '^[EW]: ' "$T/package.log")"
echo "lintian: no error, no warning; informational tags: $(grep -cE '^I: ' "$T/package.log" || true)"
grep -E '^I: ' "$T/package.log" | sed 's/^/  /' || true

field() { dpkg-deb -f "$DEB" "$1"; }
[ "$(field Package)" = ponorka ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$VERSION" ] || fail "Version: $(field Version)"
[ "$(field Section)" = games ] || fail "Section: $(field Section)"
[ "$(field Architecture)" = amd64 ] || fail "Architecture: $(field Architecture)"
depends=$(field Depends)
for p in fonts-liberation2 fonts-open-sans fonts-oldstandard liballegro4.4 libfreetype6 libc6; do
  grep -qE "(^|, )$p( |,|$)" <<<"$depends" || fail "Depends lacks $p: $depends"
done
[ "$(field Description | wc -l)" -ge 5 ] || fail "the description is not a multi-line one"
echo "control: section games, version $VERSION; Depends: $depends"

diff <(expected_layout "$BUILD/package/run" "$ID") \
  <(dpkg-deb -c "$DEB" | awk '$1 !~ /^d/ { print $6 }' | sed 's#^\./##' | LC_ALL=C sort) ||
  fail "the package's files differ from the layout (< expected, > packaged)"
echo "files: $(dpkg-deb -c "$DEB" | awk '$1 !~ /^d/' | wc -l) in Debian's layout for games"

# The font links are relative inside /usr, and lead to this system's fonts once installed.
dpkg-deb -c "$DEB" | awk '$1 ~ /^l/ { print $6, $8 }' >"$T/links"
[ "$(wc -l <"$T/links")" -eq 3 ] || fail "not three links: $(cat "$T/links")"
while read -r link target; do
  case $target in /*) fail "$link is an absolute link" ;; esac
  resolved=$(realpath -m "/$(dirname "${link#./}")/$target")
  [ -f "$resolved" ] || fail "$link leads to $resolved, which is not installed here"
done <"$T/links"

dpkg-deb -x "$DEB" "$T/x"
[ "$("$T/x/usr/games/ponorka" --version)" = "ponorka $VERSION" ] || fail "the packaged game's --version"
echo "font links relative to the font packages' files; the packaged binary runs"
echo "package: $(basename "$DEB"), $(stat -c %s "$DEB") bytes"
