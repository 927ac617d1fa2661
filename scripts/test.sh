#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test through CTest, twice:
#   build-test/     Debug with AddressSanitizer and UndefinedBehaviorSanitizer: every test, the
#                   fuzzer's minute and the leak runs included, but the installed files and the
#                   Debian package, which are made from the Release build;
#   build-release/  Release, as users and packagers build it, with the browser edition
#                   (build-web/kvir.html, scripts/web.sh): the tests that run the built programs
#                   (kvir-cli, kvir on an X server, the page, the installed files and the package),
#                   so that an optimiser-only fault or a Release-only error fails too. The suites
#                   built from the code (KVIR_UNIT_TESTS) run under the sanitizers only.
# Warnings are errors in both. CTest runs as many tests at once as there are processors, the
# longest first. Arguments go to both CTest runs (e.g. -R cli).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh test

jobs=$(nproc 2>/dev/null || echo 2)
# The browser edition decodes with zlib and libpng built from Debian's own source packages,
# fetched and built meanwhile (mostly waiting on the mirror and on configure scripts). Where the
# mirror serves none of them (it answers 404 for a version its index lists), the browser edition
# and its tests are left out with a message, and every other test still runs.
export KVIR_WEB_JOBS="${KVIR_WEB_JOBS:-$jobs}"
nice -n 10 bash web/deps.sh build-web/deps &
deps=$!
trap '[ -z "$deps" ] || kill "$deps" 2>/dev/null' EXIT
# Both trees link with lld where it is installed (a third of the time of the default linker), and
# the sanitizer tree keeps line tables only (-g1): enough for the sanitizers' stack traces.
fast_link=()
if command -v ld.lld >/dev/null; then
  fast_link=(-DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=lld -DCMAKE_SHARED_LINKER_FLAGS=-fuse-ld=lld
    -DCMAKE_MODULE_LINKER_FLAGS=-fuse-ld=lld)
fi
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKVIR_SANITIZE=ON -DKVIR_WERROR=ON \
  -DCMAKE_CXX_FLAGS_DEBUG=-g1 -DCMAKE_C_FLAGS_DEBUG=-g1 "${fast_link[@]}" >/dev/null
cmake --build build-test
web=ON
if ! wait "$deps"; then
  echo "test.sh: the browser edition is LEFT OUT: the source packages of zlib and libpng could" \
    "not be fetched from Debian's mirror (see the lines above); its tests do not run" >&2
  web=OFF
fi
deps=""
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DKVIR_WERROR=ON -DKVIR_WEB="$web" \
  -DKVIR_UNIT_TESTS=OFF "${fast_link[@]}" >/dev/null
cmake --build build-release

export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
failed=0
echo "=== Debug, AddressSanitizer and UndefinedBehaviorSanitizer (build-test/)"
(cd build-test && ctest -j "$jobs" --output-on-failure --timeout 600 -LE package "$@") || failed=1
echo "=== Release (build-release/)"
(cd build-release && ctest -j "$jobs" --output-on-failure --timeout 600 -LE 'fuzz|leak' "$@") ||
  failed=1
exit "$failed"
