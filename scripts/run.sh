#!/usr/bin/env bash
# Installs what is missing, builds the program (Release, into build/) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh run
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DKVIR_TESTS=OFF >/dev/null
cmake --build build --target kvir kvir-cli
exec build/kvir "$@"
