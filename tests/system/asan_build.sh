#!/usr/bin/env bash
# Builds the sanitized twin of the build (AddressSanitizer, UndefinedBehaviorSanitizer
# and leak checking) with what the slow system tests run: the game, its assets, the
# replay tool, and the test programs of the text layer, the screens, the display and the fuzzers,
# whose paths (glyph caches, fonts loaded and released per screen, damaged fonts and
# demos and campaigns) only the sanitizer can check for leaks and stale memory.
# Usage: asan_build.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
SRC=$1
BUILD=$2
cmake -S "$SRC" -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPONORKA_SANITIZE=ON \
  -DPONORKA_TESTS=ON -DPONORKA_BENCH=OFF >/dev/null
targets=(ponorka ponorka-assets test_text test_screens test_display test_fuzz_text test_fuzz_demo test_fuzz_campaign)
help=$(cmake --build "$BUILD" --target help)
if grep -q '^\.\.\. ponorka-replay$' <<<"$help"; then
  targets+=(ponorka-replay)
fi
cmake --build "$BUILD" -j 2 --target "${targets[@]}"
