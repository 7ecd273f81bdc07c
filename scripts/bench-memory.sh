#!/usr/bin/env bash
# Time and peak memory of solvara-cli on large generated estimates (run on demand, not in CI):
#   scripts/bench-memory.sh [BUILD_DIR] [RUNS]
# For each size, writes the benchmarks' large estimate and runs `solvara-cli COMMAND` RUNS times
# under /usr/bin/time -v; prints the medians of the wall time, the processor time (user + system,
# steadier than the wall time on a busy machine) and the peak resident set size.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$root/build}
runs=${2:-3}
bin=$build/bin
[ -x /usr/bin/time ] || { echo "needs /usr/bin/time (Debian package time)" >&2; exit 2; }
cmake --build "$build" -j2 --target solvara-cli solvara_largeestimate >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

printf '%-8s %-7s %9s %10s %10s %12s\n' lines command file_MB seconds cpu_s peak_MB
for lines in 10000 100000 263000; do
  file=$work/large$lines.kas
  "$bin/solvara_largeestimate" "$lines" "$file"
  size=$(awk -v b="$(stat -c %s "$file")" 'BEGIN { printf "%.1f", b / 1048576 }')
  for command in totals sheet; do
    : >"$work/times"
    : >"$work/peaks"
    : >"$work/cpu"
    for ((i = 0; i < runs; i++)); do
      /usr/bin/time -v "$bin/solvara-cli" --program-dir "$bin" "$command" "$file" >/dev/null 2>"$work/log" || true
      awk -F': ' '/Elapsed \(wall clock\)/ { n = split($2, t, ":"); s = 0; for (k = 1; k <= n; k++) s = s * 60 + t[k]; print s }' \
        "$work/log" >>"$work/times"
      awk -F': ' '/Maximum resident set size/ { printf "%.1f\n", $2 / 1024 }' "$work/log" >>"$work/peaks"
      awk -F': ' '/(User|System) time \(seconds\)/ { s += $2 } END { printf "%.2f\n", s }' "$work/log" >>"$work/cpu"
    done
    printf '%-8s %-7s %9s %10s %10s %12s\n' "$lines" "$command" "$size" "$(median <"$work/times")" \
      "$(median <"$work/cpu")" "$(median <"$work/peaks")"
  done
done
