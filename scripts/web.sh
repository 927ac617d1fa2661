#!/usr/bin/env bash
# web.sh [--open]: builds the browser edition, build-web/kvir.html, and prints its path; --open
# also opens it in the default browser. zlib and libpng for WebAssembly are built once from
# Debian's source packages (web/deps.sh) and kept in build-web/deps. Installs what is missing
# first (scripts/setup.sh web). KVIR_WEB_BUILD names another build folder; KVIR_WERROR=ON makes
# warnings errors at the first configuration.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
open=0
for arg in "$@"; do
  case "$arg" in
    --open) open=1 ;;
    *) echo "usage: web.sh [--open]" >&2; exit 2 ;;
  esac
done
build="${KVIR_WEB_BUILD:-$root/build-web}"
bash "$root/scripts/setup.sh" web
# Debian's emscripten runs its JavaScript tools with node, which finds their modules there.
export NODE_PATH="/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}"

nice -n 15 bash "$root/web/deps.sh" "$build/deps"
if [ ! -f "$build/build.ninja" ]; then
  launcher=()
  command -v ccache >/dev/null && launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache
    -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  emcmake cmake -S "$root/web" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DKVIR_WEB_DEPS="$build/deps/prefix" -DKVIR_WERROR="${KVIR_WERROR:-OFF}" "${launcher[@]}" >"$build/configure.log" 2>&1 ||
    { cat "$build/configure.log" >&2; exit 1; }
fi
nice -n 15 cmake --build "$build" -j "${KVIR_WEB_JOBS:-1}" >"$build/build.log" 2>&1 ||
  { cat "$build/build.log" >&2; exit 1; }
echo "$build/kvir.html"
[ "$open" -eq 1 ] && xdg-open "$build/kvir.html" >/dev/null 2>&1 &
exit 0
