#!/usr/bin/env bash
# Installs what is missing, builds and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
BUILD_DIR=${PONORKA_BUILD_DIR:-build}
ctest --test-dir "$BUILD_DIR" --output-on-failure -j 2 "$@"
