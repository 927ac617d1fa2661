#!/usr/bin/env bash
# Installs the Debian packages KVIR needs to build, run and test; does nothing when all are there.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev libpng-dev zlib1g-dev fonts-dejavu-core
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth x11-utils libx11-dev
  clang libclang-rt-14-dev time
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
