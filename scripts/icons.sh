#!/usr/bin/env bash
# Makes the icon's PNG sizes from data/desktop/solvara.svg (needs rsvg-convert, Debian package
# librsvg2-bin). The PNGs are kept in the repository, so building never needs this.
set -euo pipefail
folder=$(cd "$(dirname "${BASH_SOURCE[0]}")/../data/desktop" && pwd)
for size in 16 24 32 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" "$folder/solvara.svg" -o "$folder/solvara-$size.png"
done
ls -1 "$folder"/solvara-*.png
