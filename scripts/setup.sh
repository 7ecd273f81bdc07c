#!/usr/bin/env bash
# Installs what the program, its tests and its screenshots need on Debian 12 (idempotent: quick
# when everything is there), then configures and builds the project in build/.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

packages=(
  cmake ninja-build g++ pkg-config ccache lld
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-multimedia-dev qt6-translations-l10n
  libxlsxwriter-dev libzip-dev zipcmp zipmerge ziptool libpugixml-dev
  fonts-ipafont-mincho fonts-ipafont-gothic
  xvfb xauth poppler-utils imagemagick sox
  dpkg-dev desktop-file-utils libxml2-utils
  # The workbook tests open the written workbooks in LibreOffice; Carlito measures the workbooks'
  # default font as the spreadsheet application does.
  libreoffice-calc-nogui fonts-crosextra-carlito
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo=sudo
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$root/build" -j2
