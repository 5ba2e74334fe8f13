#!/usr/bin/env bash
# Installs the Debian 12 packages the game and its tools are built with,
# and the packages named on the command line (scripts/web.sh names the
# browser build's), skipping the ones already present. Runs apt-get as root,
# or through sudo.
#
#   bash scripts/deps.sh [PACKAGE ...]
set -euo pipefail
packages=(
  "$@"
  build-essential cmake pkg-config
  libsdl2-dev libsdl2-ttf-dev libsdl2-mixer-dev
  libjpeg62-turbo-dev libpng-dev librsvg2-dev libimagequant-dev
  fonts-liberation2
  libgtest-dev libbenchmark-dev
  clang libclang-rt-14-dev
  desktop-file-utils appstream
  xvfb xauth
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then SUDO=""; else SUDO="sudo"; fi
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
