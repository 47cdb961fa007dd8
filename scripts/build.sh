#!/usr/bin/env bash
# Configures and builds into build/ (or $PONORKA_BUILD_DIR); extra arguments go to CMake.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${PONORKA_BUILD_DIR:-build}
cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$BUILD_DIR" -j "$(nproc)"
