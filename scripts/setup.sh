#!/usr/bin/env bash
# setup.sh [run|test|web]: installs the Debian packages KVIR needs, and does nothing when all are
# there. `run` (the default) is what building and running kvir and kvir-cli needs; `web` adds what
# building the browser edition (emscripten; dpkg-dev for `apt-get source`) and its tests
# (Chromium, its driver, Selenium) need; `test` adds what the tests, the benchmarks, the fuzzer,
# the package checks and the browser edition need. Every name exists on
# Debian 12 and Debian 13 alike (no versioned package names).
set -euo pipefail

run_packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-tools-dev qt6-l10n-tools libpng-dev zlib1g-dev fonts-dejavu-core
  libcairo2-dev libpango1.0-dev
  qt6-translations-l10n
)
test_packages=(
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth x11-utils libx11-dev xdotool
  clang libclang-rt-dev lld time
  dpkg-dev file desktop-file-utils appstream man-db lintian
  python3 poppler-utils imagemagick
)
web_packages=(
  emscripten dpkg-dev chromium chromium-driver python3-selenium
)

packages=("${run_packages[@]}")
case "${1:-run}" in
  run) ;;
  test) packages+=("${test_packages[@]}" "${web_packages[@]}") ;;
  web) packages+=("${web_packages[@]}") ;;
  *) echo "usage: setup.sh [run|test|web]" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
# The GIFT check's parser comes from the npm registry; a node that brings its own npm will do.
if [ "${1:-run}" = test ] && ! command -v npm >/dev/null 2>&1; then missing+=(npm); fi
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
