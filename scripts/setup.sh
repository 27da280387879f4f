#!/usr/bin/env bash
# Installs every Debian package DOLA needs to build, run and test; idempotent:
# packages that are already installed are left alone.
set -euo pipefail
packages=(
  cmake g++ make pkg-config
  liballegro4-dev libloadpng4-dev angelscript-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xdotool x11-apps imagemagick procps bc libxtst-dev
  dpkg-dev file desktop-file-utils man-db
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null; then
      echo "Missing packages (${missing[*]}) need root: run this script as root or install sudo." >&2
      exit 1
    fi
    sudo="sudo"
  fi
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q "${missing[@]}"
fi
