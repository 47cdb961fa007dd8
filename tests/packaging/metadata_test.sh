#!/usr/bin/env bash
# The desktop entry and the AppStream metadata pass Debian's validators without a
# remark, and the metadata carries what a software centre shows.
# Usage: metadata_test.sh DESKTOP_FILE METAINFO_FILE SCREENSHOT_DIR VERSION
set -euo pipefail
DESKTOP=$1
METAINFO=$2
SHOTS=$3
VERSION=$4
fail() { echo "FAIL: $*" >&2; exit 1; }

out=$(desktop-file-validate "$DESKTOP" 2>&1) || fail "desktop-file-validate: $out"
[ -z "$out" ] || fail "desktop-file-validate has remarks: $out"
grep -qx 'Categories=Game;ArcadeGame;' "$DESKTOP" || fail "the categories are not Game;ArcadeGame;"
grep -q '^Keywords=.' "$DESKTOP" || fail "no keywords"
echo "desktop-file-validate $(basename "$DESKTOP"): no remark"

# Pedantic notes are allowed (the id's capital letter); infos, warnings and errors are not.
rc=0
out=$(appstreamcli validate --no-net "$METAINFO" 2>&1) || rc=$?
[ "$rc" -eq 0 ] || fail "appstreamcli validate (exit $rc): $out"
! grep -qE '^[EWI]: ' <<<"$out" || fail "appstreamcli validate has remarks: $out"
echo "appstreamcli validate --no-net $(basename "$METAINFO"): $(tail -n 1 <<<"$out")"

grep -qF "<launchable type=\"desktop-id\">$(basename "$DESKTOP")</launchable>" "$METAINFO" ||
  fail "the launchable is not the desktop entry $(basename "$DESKTOP")"
grep -qF '<content_rating type="oars-1.1">' "$METAINFO" || fail "no OARS content rating"
grep -qE "<release version=\"$VERSION\" date=\"[0-9]{4}-[0-9]{2}-[0-9]{2}\">" "$METAINFO" ||
  fail "no release $VERSION"
shots=$(grep -oE '<image[^>]*>[^<]*</image>' "$METAINFO" | sed -E 's#.*/([^/<]+)</image>#\1#' | sort)
[ "$shots" = "$(cd "$SHOTS" && ls ./*.png | sed 's#^\./##' | sort)" ] ||
  fail "the screenshots ($(echo $shots)) are not those of $SHOTS"
echo "metainfo: launchable, OARS rating, release $VERSION, screenshots $(echo $shots)"
