#!/usr/bin/env bash
# Builds the sanitized twin of the build (AddressSanitizer, UndefinedBehaviorSanitizer
# and leak checking) with what the slow system tests run: the game, its assets and the
# replay tool. Usage: asan_build.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
SRC=$1
BUILD=$2
cmake -S "$SRC" -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPONORKA_SANITIZE=ON \
  -DPONORKA_TESTS=OFF -DPONORKA_BENCH=OFF >/dev/null
targets=(ponorka ponorka-assets)
help=$(cmake --build "$BUILD" --target help)
if grep -q '^\.\.\. ponorka-replay$' <<<"$help"; then
  targets+=(ponorka-replay)
fi
cmake --build "$BUILD" -j 2 --target "${targets[@]}"
