#!/usr/bin/env bash
# Start-up of the desktop program as a user meets it, measured from outside under a virtual X
# display: from starting the process to the main window painted, on the sample estimate and on a
# generated 10,000-line, 300-item estimate (which opens on its sheet). Run on demand:
#   scripts/measure-startup.sh [BUILD_DIR] [RUNS]
# Prints the median and the fastest of RUNS runs in milliseconds. The in-process figures (opening
# an estimate from the running program, scrolling its sheet) are build/bin/solvara_ui_bench.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$root/build}
runs=${2:-15}
bin=$build/bin
if [ -z "${SOLVARA_MEASURING:-}" ]; then
  cmake --build "$build" -j2 --target solvara solvara_largeestimate program_data >/dev/null
  # Once, under one virtual display of a 1920 x 1080 screen.
  exec env SOLVARA_MEASURING=1 xvfb-run -a -s "-screen 0 1920x1080x24" "$0" "$build" "$runs"
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

"$bin/solvara_largeestimate" 10000 "$work/large.kas"

# measure NAME ESTIMATE: runs the program RUNS times, prints median and fastest.
measure() {
  local name=$1 estimate=$2 times=()
  "$bin/solvara" --time-start "$estimate" >/dev/null # warms the file cache
  for ((i = 0; i < runs; i++)); do
    local start painted
    start=$(date +%s%3N)
    painted=$("$bin/solvara" --time-start "$estimate" | awk '/^painted/ { print $2 }')
    times+=($((painted - start)))
  done
  printf '%s\n' "${times[@]}" | sort -n | awk -v name="$name" \
    '{ v[NR] = $1 } END { printf "%-48s median %4d ms   fastest %4d ms   (%d runs)\n", name, v[int((NR + 1) / 2)], v[1], NR }'
}

measure "start-up, sample estimate on its sheet" "$root/data/sample.kas"
measure "start-up, 10,000 lines / 300 items on its sheet" "$work/large.kas"
