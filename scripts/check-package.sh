#!/usr/bin/env bash
# Builds the Debian package from a build folder, installs it into a scratch root with dpkg -x and
# runs the installed programs there as a user would; does the same for `cmake --install` into a
# prefix. Exit status 0 when everything holds: scripts/check-package.sh [BUILD FOLDER]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# The installed programs must not read or write the files of the user running the check.
export XDG_CONFIG_HOME="$scratch/config"
export XDG_RUNTIME_DIR="$scratch/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=offscreen

fail() { echo "FAILED: $*" >&2; exit 1; }

# What the programs in the build folder say about the sample estimate.
expected=$("$build/bin/solvara-cli" totals "$root/data/sample.kas")
grep -q '^sougoukei	[1-9]' <<<"$expected" || fail "the build's solvara-cli gives no grand total"

# check PREFIX: the programs and the program folder installed under PREFIX work from there.
check_installed() {
  local prefix=$1 what=$2
  [ -x "$prefix/bin/solvara" ] || fail "$what: no bin/solvara"
  for f in setutei.kxt jyouken.DATA zeiritu.ini SW06.wav sample.kas; do
    [ -f "$prefix/share/solvara/$f" ] || fail "$what: no share/solvara/$f"
  done
  [ -f "$prefix/share/applications/solvara.desktop" ] || fail "$what: no desktop entry"
  [ -f "$prefix/share/mime/packages/solvara.xml" ] || fail "$what: no file type"
  [ -f "$prefix/share/icons/hicolor/scalable/apps/solvara.svg" ] || fail "$what: no scalable icon"
  for size in 16 32 48 256; do
    [ -f "$prefix/share/icons/hicolor/${size}x${size}/apps/solvara.png" ] || fail "$what: no ${size}px icon"
  done
  grep -q '^MimeType=application/x-solvara-estimate;' "$prefix/share/applications/solvara.desktop" \
    || fail "$what: the desktop entry does not open .kas files"
  grep -q '<glob pattern="\*.kas"/>' "$prefix/share/mime/packages/solvara.xml" || fail "$what: no *.kas glob"
  grep -q '<comment>見積データ</comment>' "$prefix/share/mime/packages/solvara.xml" || fail "$what: no comment"
  if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$prefix/share/applications/solvara.desktop" || fail "$what: desktop entry invalid"
  fi
  if command -v xmllint >/dev/null; then
    xmllint --noout "$prefix/share/mime/packages/solvara.xml" || fail "$what: file type XML invalid"
  fi

  # solvara-cli finds its program folder in share/solvara beside bin/, and computes the sample as
  # the build does.
  local totals
  totals=$("$prefix/bin/solvara-cli" totals "$prefix/share/solvara/sample.kas") \
    || fail "$what: solvara-cli totals failed"
  [ "$totals" = "$expected" ] || fail "$what: totals differ from the build's:
$totals"
  # The desktop program starts on the installed sample and shows its windows.
  "$prefix/bin/solvara" --dump-widgets "$prefix/share/solvara/sample.kas" >"$scratch/widgets.txt" 2>&1 \
    || fail "$what: the desktop program did not start"
  grep -q 'TForm1' "$scratch/widgets.txt" || fail "$what: the desktop program showed no main window"
  echo "$what: installed programs run (grand total $(grep '^sougoukei' <<<"$totals" | cut -f2))"
}

# The Debian package, unpacked into a scratch root.
(cd "$build" && cpack -G DEB >"$scratch/cpack.log" 2>&1) || { cat "$scratch/cpack.log" >&2; fail "cpack -G DEB"; }
deb=$(ls -t "$build"/solvara_*.deb | head -1)
depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 qt6-translations-l10n fonts-ipafont-mincho; do
  grep -q "$package" <<<"$depends" || fail "the package does not depend on $package: $depends"
done
dpkg -x "$deb" "$scratch/root"
check_installed "$scratch/root/usr" "$(basename "$deb")"

# cmake --install into a prefix.
cmake --install "$build" --prefix "$scratch/prefix" >/dev/null || fail "cmake --install"
check_installed "$scratch/prefix" "cmake --install"
