#!/usr/bin/env bash
# deps.sh DIR: zlib and libpng for WebAssembly, from Debian's own source packages, into DIR/prefix
# (lib/libz.a, lib/libpng16.a, include/). The sources come through `apt-get source` with a source
# list kept in DIR/apt, for the suite this machine runs; the system's apt configuration is left as
# it is; the suite and its updates (the point releases take in the security fixes). Both steps are skipped once done, so a second build fetches nothing.
set -euo pipefail
dir=$(mkdir -p "$1" && cd "$1" && pwd)
prefix="$dir/prefix"
[ -f "$prefix/.built" ] && exit 0

export NODE_PATH="/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}"
. /etc/os-release
suite="${VERSION_CODENAME:?the suite of this Debian (VERSION_CODENAME in /etc/os-release)}"
mirror="${KVIR_DEBIAN_MIRROR:-http://deb.debian.org/debian}"
keyring=/usr/share/keyrings/debian-archive-keyring.gpg

apt_dir="$dir/apt"
apt_options=(-o "Dir::Etc::SourceList=$apt_dir/sources.list" -o "Dir::Etc::SourceParts=/dev/null"
  -o "Dir::State::Lists=$apt_dir/lists" -o "Dir::Cache=$apt_dir/cache"
  -o "APT::Sandbox::User=$(id -un)" -o "Debug::NoLocking=1")
src="$dir/src"
if [ ! -f "$src/.fetched" ]; then
  mkdir -p "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial"
  {
    echo "deb-src [signed-by=$keyring] $mirror $suite main"
    echo "deb-src [signed-by=$keyring] $mirror $suite-updates main"
  } >"$apt_dir/sources.list"
  apt-get -qq "${apt_options[@]}" update
  rm -rf "$src" && mkdir -p "$src"
  (cd "$src" && apt-get -qq "${apt_options[@]}" source zlib libpng1.6 2>&1 |
    grep -v -e '^dpkg-source: info' -e 'unsandboxed' || true)
fi
zlib_src=$(find "$src" -maxdepth 1 -type d -name 'zlib-*' | head -n1)
png_src=$(find "$src" -maxdepth 1 -type d -name 'libpng1.6-*' | head -n1)
[ -n "$zlib_src" ] && [ -n "$png_src" ] || { echo "deps.sh: no zlib or libpng sources in $src" >&2; exit 1; }
touch "$src/.fetched"

jobs="${KVIR_WEB_JOBS:-1}"
log="$dir/build.log"
# Runs a step with its chatter in the log, shown only when the step fails.
quietly() {
  "$@" >>"$log" 2>&1 || { tail -n 30 "$log" >&2; echo "deps.sh: failed: $*" >&2; exit 1; }
}
rm -rf "$dir/zlib-build" "$dir/png-build" "$prefix" "$log"
cp -r "$zlib_src" "$dir/zlib-build"
cd "$dir/zlib-build"
CFLAGS="-O2" quietly emconfigure ./configure --static --prefix="$prefix"
quietly emmake make -j"$jobs" libz.a
quietly emmake make install
quietly emcmake cmake -S "$png_src" -B "$dir/png-build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_INSTALL_PREFIX="$prefix" -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF \
  -DPNG_EXECUTABLES=OFF -DPNG_TOOLS=OFF -DPNG_HARDWARE_OPTIMIZATIONS=OFF \
  -DZLIB_LIBRARY="$prefix/lib/libz.a" -DZLIB_INCLUDE_DIR="$prefix/include"
quietly cmake --build "$dir/png-build" -j "$jobs"
quietly cmake --install "$dir/png-build"
touch "$prefix/.built"
