#!/usr/bin/env bash
# Installs what is missing, builds, generates the assets and starts the game.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
BUILD_DIR=${PONORKA_BUILD_DIR:-build}
cd "$BUILD_DIR/run"
exec ./ponorka
