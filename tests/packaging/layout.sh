# Shared by the install and package tests: the files (and links) an installed tree holds
# under the prefix /usr, one path a line, sorted, without a leading slash.
# Usage: source this file, then `expected_layout RUN_DIR APP_ID`.
expected_layout() {
  local run=$1 id=$2 n
  {
    echo usr/games/ponorka
    echo usr/games/ponorka-replay
    (cd "$run" && find gfx sfx data/campaigns -type f) | sed 's#^#usr/share/games/ponorka/#'
    for f in formal trebuchet copperlate; do echo "usr/share/games/ponorka/data/fonts/$f.ttf"; done
    (cd "$run" && find locale -type f) | sed 's#^#usr/share/#'
    echo "usr/share/applications/$id.desktop"
    echo "usr/share/metainfo/$id.metainfo.xml"
    echo usr/share/mime/packages/ponorka.xml
    for n in 48 64 128 256; do echo "usr/share/icons/hicolor/${n}x$n/apps/ponorka.png"; done
    echo usr/share/man/man6/ponorka.6.gz
    echo usr/share/man/man6/ponorka-replay.6.gz
    echo usr/share/doc/ponorka/copyright
    echo usr/share/doc/ponorka/changelog.gz
    echo usr/share/doc/ponorka/README.md
  } | LC_ALL=C sort
}
