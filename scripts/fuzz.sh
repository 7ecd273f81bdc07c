#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, AddressSanitizer + UndefinedBehaviorSanitizer) in
# build-fuzz/ and runs them at the lowest priority, one at a time.
#
#   scripts/fuzz.sh                       every target for a minute each
#   scripts/fuzz.sh TARGET [OPTIONS...]   one target; OPTIONS go to libFuzzer (-runs=N, -max_total_time=S)
#   scripts/fuzz.sh --merge TARGET        adds the inputs found so far that reach new code to
#                                         tests/fuzz/corpus/TARGET (the corpus the replay test runs)
#
# Targets: records estimate settings conditions catalog (tests/fuzz/CMakeLists.txt lists them).
# Inputs found while fuzzing collect in build-fuzz/corpus/TARGET; an input that makes a target
# fail is written to build-fuzz/findings/. Once the fault is fixed, copy it into
# tests/fuzz/corpus/TARGET/ so that the replay test keeps it.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build-fuzz"
all_targets=(records estimate settings conditions catalog)

# clang 14 and its sanitizer and libFuzzer runtimes (Debian 12).
packages=(clang-14 libclang-rt-14-dev lld)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo=sudo
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

if [ ! -f "$build/build.ninja" ]; then
  CC=clang-14 CXX=clang++-14 cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DSOLVARA_FUZZ=ON -DSOLVARA_BUILD_BENCHMARKS=OFF >/dev/null
fi

build_target() {
  nice -n 19 cmake --build "$build" -j2 --target "fuzz_$1"
}

# Inputs up to the size of a small estimate for the targets that compile one (each run reads,
# compiles and saves), larger ones for the text and record layers.
max_len() {
  case $1 in
    estimate|settings) echo 4096 ;;
    *) echo 16384 ;;
  esac
}

run_target() {
  local target=$1
  shift
  build_target "$target"
  # No allocation stack traces: AddressSanitizer's fast unwinder walks into Qt's frames, which
  # have no frame pointers, and stores each garbage trace it finds, so that a long run grows by
  # nearly a kilobyte an execution until it meets the memory limit. A failing input is kept; run alone
  # (build-fuzz/bin/fuzz_TARGET build-fuzz/findings/INPUT) it shows the full traces.
  export ASAN_OPTIONS="malloc_context_size=0${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
  mkdir -p "$build/corpus/$target" "$build/findings"
  # Seeded from the kept corpus; new inputs are written to the first folder only.
  nice -n 19 "$build/bin/fuzz_$target" "$build/corpus/$target" "$root/tests/fuzz/corpus/$target" \
    -max_len="$(max_len "$target")" -timeout=10 -rss_limit_mb=2048 -artifact_prefix="$build/findings/$target-" \
    -print_final_stats=1 "$@"
}

if [ "${1:-}" = "--merge" ]; then
  target=${2:?which target}
  build_target "$target"
  nice -n 19 "$build/bin/fuzz_$target" -merge=1 -max_len="$(max_len "$target")" -timeout=10 \
    "$root/tests/fuzz/corpus/$target" "$build/corpus/$target"
elif [ $# -ge 1 ]; then
  run_target "$@"
else
  for target in "${all_targets[@]}"; do
    run_target "$target" -max_total_time=60
  done
fi
