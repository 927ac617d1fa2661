#!/bin/sh
# picture_test.sh PICTURES_SH BUILD_DIR OUT_DIR KVIR_HTML NAME WIDTH HEIGHT: makes the README's
# picture NAME (window, phone or worksheet) with scripts/pictures.sh into OUT_DIR and checks that
# it is a PNG of WIDTH × HEIGHT, under 150 KB so that it can be committed. Exit 77 (skipped) where
# the script skips it: the phone's picture without a built page.
set -u
script=$1 build=$2 out=$3 page=$4 name=$5 width=$6 height=$7
rm -f "$out/$name.png"
bash "$script" "$build" "$out" "$page" --only "$name"
code=$?
[ "$code" -eq 0 ] || exit "$code"
file="$out/$name.png"
[ -f "$file" ] || { echo "FAIL: $file was not made"; exit 1; }

# The PNG signature, then the IHDR chunk's width and height, big-endian, at bytes 16 … 23.
signature=$(od -An -tx1 -N8 "$file" | tr -d ' \n')
[ "$signature" = 89504e470d0a1a0a ] || { echo "FAIL: $file is not a PNG ($signature)"; exit 1; }
size=$(od -An -tu1 -j16 -N8 "$file" |
  awk '{ printf "%d %d", $1 * 16777216 + $2 * 65536 + $3 * 256 + $4, $5 * 16777216 + $6 * 65536 + $7 * 256 + $8 }')
[ "$size" = "$width $height" ] || { echo "FAIL: $file is $size, not $width $height"; exit 1; }
bytes=$(wc -c <"$file")
[ "$bytes" -lt 153600 ] || { echo "FAIL: $file takes $bytes bytes, 150 KB at most"; exit 1; }
echo "$file: PNG, $width × $height, $bytes bytes"
