#!/bin/sh
# The Debian package, made and checked without installing it:
#   package_test.sh CPACK BUILD_DIR APP_ID [LINTIAN]
# cpack -G DEB makes kvir_<version>_<arch>.deb; it holds the programs, desktop files and man
# pages, depends on the Qt and libpng packages dpkg-shlibdeps computes, recommends Qt's
# translations, and its extracted programs run: kvir-cli list prints the sixteen schemes, kvir
# --version needs no display.
# With LINTIAN given, lintian must report no error.
set -u
cpack=$1
build=$2
id=$3
lintian=${4:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

(cd "$build" && "$cpack" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1) ||
  fail "cpack: $(tail -n 20 "$work/cpack.log")"
set -- "$work"/out/kvir_*.deb
[ $# -eq 1 ] && [ -f "$1" ] || fail "no single kvir_*.deb in $(ls "$work/out")"
deb=$1
echo "made $(basename "$deb")"
case $(basename "$deb") in
  kvir_[0-9]*.[0-9]*.[0-9]*_"$(dpkg --print-architecture)".deb) ;;
  *) fail "unexpected package name $(basename "$deb")" ;;
esac

contents=$(dpkg-deb -c "$deb") || fail "dpkg-deb -c"
for path in ./usr/bin/kvir ./usr/bin/kvir-cli ./usr/share/applications/$id.desktop \
            ./usr/share/icons/hicolor/16x16/apps/$id.png \
            ./usr/share/icons/hicolor/scalable/apps/$id.svg \
            ./usr/share/metainfo/$id.metainfo.xml ./usr/share/man/man1/kvir.1.gz \
            ./usr/share/man/man1/kvir-cli.1.gz ./usr/share/doc/kvir/copyright; do
  echo "$contents" | grep -q " $path\$" || fail "the package lacks $path"
done

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
# Debian 13 renamed some libraries for its 64-bit time_t ("libqt6core6t64"): either name will do.
# libcairo2: the worksheets' module, which the window loads when it first writes worksheets.
for library in libqt6widgets6 libqt6gui6 libqt6core6 libpng16-16 libc6 libstdc++6 libcairo2; do
  echo "$depends" | tr ',' '\n' | sed 's/^ *//; s/[ (].*//' |
    grep -Fxq -e "$library" -e "${library}t64" || fail "Depends names no $library"
done
# Qt's own texts in Russian: recommended, so that an ordinary install brings them.
dpkg-deb -f "$deb" Recommends | grep -q 'qt6-translations-l10n' ||
  fail "Recommends names no qt6-translations-l10n"
[ "$(dpkg-deb -f "$deb" Section)" = education ] || fail "section $(dpkg-deb -f "$deb" Section)"
dpkg-deb -f "$deb" Maintainer | grep -q '@' || fail "no maintainer address"

dpkg-deb -x "$deb" "$work/root" || fail "dpkg-deb -x"
count=$("$work/root/usr/bin/kvir-cli" list | wc -l)
[ "$count" -eq 16 ] || fail "extracted kvir-cli list printed $count lines"
module=$(find "$work/root/usr/lib" -name kvir-worksheet.so)
[ -n "$module" ] || fail "the package lacks kvir-worksheet.so"
missing=$(ldd "$module" | grep 'not found')
[ -z "$missing" ] || fail "kvir-worksheet.so needs what is not installed: $missing"
version=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= "$work/root/usr/bin/kvir" --version) ||
  fail "extracted kvir --version failed"
[ "$version" = "kvir 1.0" ] || fail "extracted kvir --version printed $version"

if [ -n "$lintian" ]; then
  "$lintian" --no-cfg "$deb" >"$work/lintian.log" 2>&1
  cat "$work/lintian.log"
  ! grep -q '^E:' "$work/lintian.log" || fail "lintian reports errors"
fi
echo "ok: $(basename "$deb") checked"
