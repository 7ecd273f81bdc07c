#!/usr/bin/env bash
# Prints an estimate to PDF with solvara-cli and renders every page to PNG, for looking at the
# printed pages. Usage: scripts/render-pdf.sh [ESTIMATE.kas] [OUTDIR] [-- extra print options]
#   scripts/render-pdf.sh                              the sample's quotation and invoice
#   scripts/render-pdf.sh my.kas out -- --no-amounts   any estimate, any print options
# Writes OUTDIR/quotation.pdf and OUTDIR/quotation-N.png (and the invoice alike when no extra
# options are given). Needs poppler-utils (pdftoppm).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cli="$root/build/bin/solvara-cli"
estimate=${1:-$root/data/sample.kas}
out=${2:-$root/build/print-output}
shift $(( $# > 2 ? 2 : $# ))
[ "${1:-}" = "--" ] && shift
mkdir -p "$out"
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}

render() { # name, print options...
  local name=$1; shift
  "$cli" print "$estimate" --pdf "$out/$name.pdf" "$@"
  rm -f "$out/$name"-*.png
  pdftoppm -r "${DPI:-100}" -png "$out/$name.pdf" "$out/$name"
  echo "$out/$name.pdf: $(ls "$out/$name"-*.png | wc -l) pages rendered to $out/$name-N.png"
}

if [ $# -gt 0 ]; then
  render custom "$@"
else
  render quotation
  render invoice --invoice --set TForm5.RadioButton2=1
fi
