#!/usr/bin/env bash
# Sets up, builds and runs the program on the bundled sample estimate. With a display the desktop
# program opens it; without one, solvara-cli writes the sample's compiled tables as text.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/setup.sh"
bin="$root/build/bin"
sample="$root/data/sample.kas"

if [ -z "${CI:-}" ] && { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; }; then
  exec "$bin/solvara" "$sample"
fi

out="$root/build/sample-output"
mkdir -p "$out"
for command in sheet lines items totals; do
  "$bin/solvara-cli" "$command" "$sample" > "$out/$command.tsv"
done
echo "No display: the sample estimate's outputs were written by solvara-cli to $out:"
ls -1 "$out"
echo
echo "Totals of the sample estimate:"
cat "$out/totals.tsv"
