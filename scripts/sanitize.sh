#!/usr/bin/env bash
# Builds the core, solvara-cli and their tests with AddressSanitizer and UndefinedBehaviorSanitizer
# in build-sanitize/ and runs the core tests, the end-to-end tests and the replay of the fuzz
# corpus there. Any report of a sanitizer fails the run.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build-sanitize"

# -O1 without -g: quick to compile, still fast to run, and cached by ccache across checkouts.
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE=-O1 \
  -DSOLVARA_SANITIZE=ON -DSOLVARA_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build "$build" -j2 --target core_tests e2e_tests fuzz_replay

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$root/tests/sanitize/lsan.supp:print_suppressions=0
cd "$build"
ctest --output-on-failure -j2 --timeout 600 -L 'core|e2e|fuzz'
