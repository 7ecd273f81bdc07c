#!/usr/bin/env bash
# Saves PNG pictures of the main window's views and overlay screens, started on an estimate under a
# virtual X display: scripts/screenshots.sh [ESTIMATE.kas] [OUTPUT FOLDER] [WIDTHxHEIGHT]
#
# Without a size it makes three sets in OUTPUT FOLDER: normal/ on a 1600x1050 screen, 1280x720/ on
# the smallest screen the layout is made for, and 2x/ at double scale (QT_SCALE_FACTOR=2 on a
# 2560x1440 screen, 1280x720 in the window's own pixels). With a size, one set on that screen.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
estimate=${1:-$root/data/sample.kas}
out=${2:-$root/build/screenshots}
size=${3:-}
bin="$root/build/bin"
if [ ! -x "$bin/solvara" ]; then
  cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=Release
  cmake --build "$root/build" -j2 --target solvara program_data
fi
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
chmod 700 "$XDG_RUNTIME_DIR"
# A configuration folder of its own: the pictures do not depend on what the user saved.
XDG_CONFIG_HOME=$(mktemp -d)
export XDG_CONFIG_HOME
trap 'rm -rf "$XDG_CONFIG_HOME"' EXIT

# shoot FOLDER SCREEN [SCALE]
shoot() {
  local folder=$1 screen=$2 scale=${3:-1}
  mkdir -p "$folder"
  local args=(--screenshots "$folder")
  [ -f "$estimate" ] && args+=("$estimate")
  QT_SCALE_FACTOR=$scale xvfb-run -a -s "-screen 0 ${screen}x24" "$bin/solvara" "${args[@]}"
  echo "Screenshots on a ${screen} screen at scale ${scale} in $folder:"
  ls -1 "$folder"
}

if [ -n "$size" ]; then
  shoot "$out" "$size"
else
  shoot "$out/normal" 1600x1050
  shoot "$out/1280x720" 1280x720
  shoot "$out/2x" 2560x1440 2
fi
