#!/usr/bin/env bash
# Saves PNG pictures of the main window's views and overlay screens, started on an estimate under a
# virtual X display: scripts/screenshots.sh [ESTIMATE.kas] [OUTPUT FOLDER] [WIDTHxHEIGHT]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
estimate=${1:-$root/data/sample.kas}
out=${2:-$root/build/screenshots}
screen=${3:-1600x1050}
bin="$root/build/bin"
if [ ! -x "$bin/solvara" ]; then
  cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=Release
  cmake --build "$root/build" -j2 --target solvara program_data
fi
mkdir -p "$out"
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
chmod 700 "$XDG_RUNTIME_DIR"
args=(--screenshots "$out")
[ -f "$estimate" ] && args+=("$estimate")
xvfb-run -a -s "-screen 0 ${screen}x24" "$bin/solvara" "${args[@]}"
echo "Screenshots in $out:"
ls -1 "$out"
