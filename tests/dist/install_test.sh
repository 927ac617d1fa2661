#!/bin/sh
# cmake --install into a scratch prefix: install_test.sh CMAKE BUILD_DIR APP_ID [WEB]
#   Every file a desktop needs is in its place (with WEB "ON", the browser edition's page too),
#   and the desktop entry, the metainfo and the man pages pass their checkers without a word.
set -u
cmake=$1
build=$2
id=$3
web=${4:-OFF}
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

"$cmake" --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install failed"

# The library folder is the build's (lib, lib64, lib/x86_64-linux-gnu): LIB stands for it.
expected="bin/kvir
bin/kvir-cli
LIB/kvir/kvir-worksheet.so
share/applications/$id.desktop
share/doc/kvir/changelog.gz
share/doc/kvir/copyright
share/icons/hicolor/128x128/apps/$id.png
share/icons/hicolor/16x16/apps/$id.png
share/icons/hicolor/22x22/apps/$id.png
share/icons/hicolor/24x24/apps/$id.png
share/icons/hicolor/256x256/apps/$id.png
share/icons/hicolor/32x32/apps/$id.png
share/icons/hicolor/48x48/apps/$id.png
share/icons/hicolor/64x64/apps/$id.png
share/icons/hicolor/scalable/apps/$id.svg
share/man/man1/kvir-cli.1.gz
share/man/man1/kvir.1.gz
share/metainfo/$id.metainfo.xml"
[ "$web" = ON ] && expected="$expected
share/kvir/web/kvir.html"
actual=$(cd "$prefix" && find . -type f | sed 's|^\./||; s|^lib[^k]*/kvir/|LIB/kvir/|' |
  LC_ALL=C sort)
[ "$actual" = "$(echo "$expected" | LC_ALL=C sort)" ] ||
  fail "installed files differ: $(echo "$actual" | tr '\n' ' ')"

for png in "$prefix"/share/icons/hicolor/*/apps/"$id".png; do
  size=$(basename "$(dirname "$(dirname "$png")")")
  file "$png" | grep -q "PNG image data, ${size%x*} x ${size#*x}, 8-bit/color RGBA" ||
    fail "$png: $(file -b "$png")"
done

# Checkers that find nothing to say print nothing but their verdict.
report=$(desktop-file-validate "$prefix/share/applications/$id.desktop" 2>&1) ||
  fail "desktop-file-validate: $report"
echo "$report" | grep -v 'contains more than one main category' | grep . &&
  fail "desktop-file-validate has remarks"
report=$(appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" 2>&1) ||
  fail "appstreamcli validate: $report"
for page in "$prefix"/share/man/man1/*.1.gz; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "man --warnings $page: $warnings"
done
echo "ok: installed files in place and valid"
