#!/usr/bin/env bash
# Installs what is missing, checks the formatting, builds with warnings as errors and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/format.sh --check
scripts/build.sh -DPONORKA_WERROR=ON
BUILD_DIR=${PONORKA_BUILD_DIR:-build}
ctest --test-dir "$BUILD_DIR" --output-on-failure -j 2 "$@"
