#!/usr/bin/env bash
# Runs test programs of the sanitized build with leak checking on; any sanitizer
# report fails. Usage: units_asan.sh ASAN_BUILD_DIR PROGRAM...
set -euo pipefail
HERE=$(cd "$(dirname "$0")" && pwd)
BUILD=$1
shift
export ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:verify_asan_link_order=0:allocator_may_return_null=1
export LSAN_OPTIONS=suppressions=$HERE/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cd "$BUILD/run"
for program in "$@"; do
  echo "== $program"
  "$BUILD/tests/$program" --gtest_brief=1
done
