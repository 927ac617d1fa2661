#!/bin/sh
# Pictures for lab reports in the real program on an X server:
#   xvfb_pictures_test.sh KVIR KVIR-CLI
#   Tab, Tab, Down, Space press Y1 of scheme 1; Ctrl+S opens the save dialog offering
#   kvir-01-Y1.png in the working folder, and Enter there writes exactly the file
#   `kvir-cli render 1 IN01 -o FILE.png` writes; Ctrl+Shift+S and Enter the same for
#   `kvir-cli render 1 IN01 --title`, as kvir-01-Y1-report.png. Ctrl+P opens the print dialog,
#   whose Enter (with no printer there: a PDF file named after the scheme, in the folder of the
#   last save) writes a PDF.
# Runs itself again on an X server of its own (with_xvfb.sh). Skipped (exit 77) without xdotool.
set -u
needs_xdotool=1
. "$(dirname "$0")/../xvfb/session.sh"
kvir=$1
cli=$2
HOME="$dir/home"
export HOME
mkdir "$HOME"

# Waits up to 30 s for the file $1 to exist and stop growing.
wait_for_file() {
  for _ in $(seq 300); do
    [ -s "$1" ] && sleep 0.2 && return 0
    sleep 0.1
  done
  return 1
}

"$cli" render 1 IN01 -o "$dir/expected.png" >/dev/null || fail "kvir-cli render failed"
"$cli" render 1 IN01 --title -o "$dir/report.png" >/dev/null || fail "kvir-cli render failed"
mkdir "$dir/work"
(cd "$dir/work" && exec "$kvir") >"$out" 2>&1 &
pid=$!
main=$(window_named "KVIR v1.0") || fail "no window captioned \"KVIR v1.0\" came up"
xdotool windowfocus --sync "$main" || fail "could not give the window the focus"
sleep 0.3
xdotool key --delay 100 Tab Tab Down space ctrl+s || fail "xdotool could not type"

save=$(window_named "Сохранить рисунок схемы") || fail "Ctrl+S opened no save dialog"
xdotool windowfocus --sync "$save" 2>/dev/null
sleep 0.5
xdotool key --delay 100 Return || fail "xdotool could not type"
wait_for_file "$dir/work/kvir-01-Y1.png" || fail "Enter in the save dialog wrote no kvir-01-Y1.png"
cmp "$dir/work/kvir-01-Y1.png" "$dir/expected.png" ||
  fail "the saved picture differs from kvir-cli render 1 IN01"
echo "ok: Ctrl+S, Enter saved kvir-01-Y1.png, byte for byte kvir-cli render 1 IN01"

xdotool windowfocus --sync "$main" || fail "could not give the window the focus"
sleep 0.3
xdotool key ctrl+shift+s || fail "xdotool could not type"
save=$(window_named "Сохранить рисунок для отчёта") || fail "Ctrl+Shift+S opened no save dialog"
xdotool windowfocus --sync "$save" 2>/dev/null
sleep 0.5
xdotool key --delay 100 Return || fail "xdotool could not type"
wait_for_file "$dir/work/kvir-01-Y1-report.png" ||
  fail "Enter in the save dialog wrote no kvir-01-Y1-report.png"
cmp "$dir/work/kvir-01-Y1-report.png" "$dir/report.png" ||
  fail "the saved picture differs from kvir-cli render 1 IN01 --title"
echo "ok: Ctrl+Shift+S, Enter saved kvir-01-Y1-report.png, byte for byte kvir-cli render --title"

xdotool windowfocus --sync "$main" || fail "could not give the window the focus"
sleep 0.3
xdotool key ctrl+p || fail "xdotool could not type"
print=$(window_matching "^(Print|Печать)") || fail "Ctrl+P opened no print dialog"
xdotool windowfocus --sync "$print" 2>/dev/null
sleep 0.5
xdotool key Return || fail "xdotool could not type"
pdf="$dir/work/Схема 01 - Трёхразрядный шифратор на логических элементах ИЛИ.pdf"
wait_for_file "$pdf" || fail "Enter in the print dialog wrote no PDF file"
[ "$(head -c 5 "$pdf")" = "%PDF-" ] || fail "the printed file is no PDF"
echo "ok: Ctrl+P, Enter printed the scheme to a PDF file"
kill "$pid"
wait "$pid" 2>/dev/null
exit 0
