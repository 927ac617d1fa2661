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

# wait_until COMMAND…: polls COMMAND every tenth of a second until it succeeds, for up to 30 s.
wait_until() {
  for _ in $(seq 300); do
    "$@" 2>/dev/null && return 0
    sleep 0.1
  done
  return 1
}

# Whether the file $1 is a whole PDF file: it begins with its header and ends with its trailer.
whole_pdf() {
  [ "$(head -c 5 "$1")" = "%PDF-" ] && tail -c 32 "$1" | grep -q '%%EOF'
}

# saved FILE EXPECTED WHAT: waits for FILE to hold what EXPECTED holds; fails, saying what was
# there, when it does not within 30 s.
saved() {
  wait_until cmp -s "$1" "$2" && return 0
  [ -e "$1" ] || fail "$3 wrote no $(basename "$1")"
  fail "$3 wrote $(basename "$1"), which differs from $(basename "$2")"
}

"$cli" render 1 IN01 -o "$dir/expected.png" >/dev/null || fail "kvir-cli render failed"
"$cli" render 1 IN01 --title -o "$dir/report.png" >/dev/null || fail "kvir-cli render failed"
mkdir "$dir/work"
(cd "$dir/work" && exec "$kvir") >"$out" 2>&1 &
pid=$!
main=$(window_named "KVIR v1.0") || fail "no window captioned \"KVIR v1.0\" came up"
# The keys go to the window holding the X server's focus, in the order they were typed: once
# --sync has seen the focus arrive, the program reads them after it, with nothing to wait for.
xdotool windowfocus --sync "$main" || fail "could not give the window the focus"
xdotool key --delay 100 Tab Tab Down space ctrl+s || fail "xdotool could not type"

save=$(window_named "Сохранить рисунок схемы") || fail "Ctrl+S opened no save dialog"
xdotool windowfocus --sync "$save" 2>/dev/null
xdotool key --delay 100 Return || fail "xdotool could not type"
saved "$dir/work/kvir-01-Y1.png" "$dir/expected.png" "Enter in the save dialog"
echo "ok: Ctrl+S, Enter saved kvir-01-Y1.png, byte for byte kvir-cli render 1 IN01"

xdotool windowfocus --sync "$main" || fail "could not give the window the focus"
xdotool key ctrl+shift+s || fail "xdotool could not type"
save=$(window_named "Сохранить рисунок для отчёта") || fail "Ctrl+Shift+S opened no save dialog"
xdotool windowfocus --sync "$save" 2>/dev/null
xdotool key --delay 100 Return || fail "xdotool could not type"
saved "$dir/work/kvir-01-Y1-report.png" "$dir/report.png" "Enter in the report's save dialog"
echo "ok: Ctrl+Shift+S, Enter saved kvir-01-Y1-report.png, byte for byte kvir-cli render --title"

xdotool windowfocus --sync "$main" || fail "could not give the window the focus"
xdotool key ctrl+p || fail "xdotool could not type"
print=$(window_matching "^(Print|Печать)") || fail "Ctrl+P opened no print dialog"
xdotool windowfocus --sync "$print" 2>/dev/null
xdotool key Return || fail "xdotool could not type"
pdf="$dir/work/Схема 01 - Трёхразрядный шифратор на логических элементах ИЛИ.pdf"
wait_until whole_pdf "$pdf" || {
  [ -e "$pdf" ] || fail "Enter in the print dialog wrote no PDF file"
  fail "the printed file is no whole PDF file"
}
echo "ok: Ctrl+P, Enter printed the scheme to a PDF file"
kill "$pid"
wait "$pid" 2>/dev/null
exit 0
