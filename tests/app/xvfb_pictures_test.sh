#!/bin/sh
# Pictures for lab reports in the real program on an X server:
#   xvfb_pictures_test.sh KVIR KVIR-CLI
#   Tab, Tab, Down, Space press Y1 of scheme 1; Ctrl+S opens the save dialog offering
#   kvir-01-Y1.png in the working folder, and Enter there writes exactly the file
#   `kvir-cli render 1 IN01 -o FILE.png` writes. Ctrl+P opens the print dialog, whose Enter (with
#   no printer there: a PDF file in the home folder, named after the scheme) writes a PDF.
# Runs itself again on an X server of its own (with_xvfb.sh). Skipped (exit 77) without xdotool.
set -u
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${KVIR_XVFB_INNER:-}" ]; then
  command -v xdotool >/dev/null || { echo "SKIP: no xdotool"; exit 77; }
  KVIR_XVFB_INNER=1 exec sh "$here/../xvfb/with_xvfb.sh" sh "$0" "$@"
fi
kvir=$1
cli=$2
export QT_QPA_PLATFORM=xcb
dir=$(mktemp -d) || exit 1
XDG_CONFIG_HOME="$dir/config"
HOME="$dir/home"
export XDG_CONFIG_HOME HOME
mkdir "$HOME"
out="$dir/out"
: >"$out"
pid=""
trap 'rm -rf "$dir"' EXIT

. "$here/../xvfb/fail.sh"

# The first visible window whose title is exactly $1, waited for up to 10 s.
wait_for_window() {
  for _ in $(seq 100); do
    found=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1)
    [ -n "$found" ] && { echo "$found"; return 0; }
    sleep 0.1
  done
  return 1
}

# Waits up to 10 s for the file $1 to exist and stop growing.
wait_for_file() {
  for _ in $(seq 100); do
    [ -s "$1" ] && sleep 0.2 && return 0
    sleep 0.1
  done
  return 1
}

"$cli" render 1 IN01 -o "$dir/expected.png" >/dev/null || fail "kvir-cli render failed"
mkdir "$dir/work"
(cd "$dir/work" && exec "$kvir") >"$out" 2>&1 &
pid=$!
main=$(wait_for_window "KVIR v1.0") || fail "no window captioned \"KVIR v1.0\" came up"
xdotool windowfocus --sync "$main" || fail "could not give the window the focus"
sleep 0.3
xdotool key --delay 100 Tab Tab Down space ctrl+s || fail "xdotool could not type"

save=$(wait_for_window "Сохранить рисунок схемы") || fail "Ctrl+S opened no save dialog"
xdotool windowfocus --sync "$save" 2>/dev/null
sleep 0.5
xdotool key --delay 100 Return || fail "xdotool could not type"
wait_for_file "$dir/work/kvir-01-Y1.png" || fail "Enter in the save dialog wrote no kvir-01-Y1.png"
cmp "$dir/work/kvir-01-Y1.png" "$dir/expected.png" ||
  fail "the saved picture differs from kvir-cli render 1 IN01"
echo "ok: Ctrl+S, Enter saved kvir-01-Y1.png, byte for byte kvir-cli render 1 IN01"

xdotool windowfocus --sync "$main" || fail "could not give the window the focus"
sleep 0.3
xdotool key ctrl+p || fail "xdotool could not type"
print=$(xdotool search --sync --onlyvisible --name "^Print|Печать" 2>/dev/null | head -n 1)
[ -n "$print" ] || fail "Ctrl+P opened no print dialog"
xdotool windowfocus --sync "$print" 2>/dev/null
sleep 0.5
xdotool key Return || fail "xdotool could not type"
pdf="$HOME/Схема 01 - Трёхразрядный шифратор на логических элементах ИЛИ.pdf"
wait_for_file "$pdf" || fail "Enter in the print dialog wrote no PDF file"
[ "$(head -c 5 "$pdf")" = "%PDF-" ] || fail "the printed file is no PDF"
echo "ok: Ctrl+P, Enter printed the scheme to a PDF file"
kill "$pid"
wait "$pid" 2>/dev/null
exit 0
