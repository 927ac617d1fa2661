#!/bin/sh
# The side windows on a projector's screen: xvfb_sidewindows_test.sh KVIR DRAWING
#   On a 1024 × 768 screen under openbox, at every zoom (100, 150, 200, 250, 300 % and fit),
#   each window beside the main one (the truth table, "О схеме", the guide and the help) opens
#   with its frame inside the screen and missing the drawing the main window shows, as the
#   program DRAWING finds it in the window's pixels, made smaller where it must be but never
#   below 60 pixels either way; only where the drawing leaves less than 100 pixels beside it on the
#   screen, it may go over the drawing. Prints each window's rectangle beside the drawing's.
# Runs itself again on an X server of its own (with_xvfb.sh). Skipped (exit 77) without xdotool
# or openbox.
set -u
needs_xdotool=1
if ! command -v openbox >/dev/null; then
  echo "SKIP: no openbox"
  exit 77
fi
KVIR_XVFB_SCREEN=1024x768x24
export KVIR_XVFB_SCREEN
. "$(dirname "$0")/../xvfb/session.sh"
kvir=$1
drawing=$2

. "$(dirname "$0")/../xvfb/frames.sh"
start_openbox

# press KEYS: the keys, with the main window active.
press() {
  xdotool windowactivate --sync "$id" key "$1" 2>/dev/null || xdotool windowfocus --sync "$id" key "$1"
}

# check ZOOM KEYS TITLE: the window TITLE that KEYS open in the main window at ZOOM lies on the
# screen, off the drawing $shown, and shows its text.
check_side() {
  press "$2"
  side=$(window_named "$3") || fail "--zoom $1: $2 opened no \"$3\""
  settle "$side" || fail "--zoom $1: \"$3\" never came to rest"
  placed=$(framed "$side")
  echo "zoom $1: \"$3\" at $placed, the drawing at $shown"
  echo "$placed $shown" | awk '{
    x = $1; y = $2; w = $3; h = $4; dx = $5; dy = $6; dw = $7; dh = $8
    if (x < 0 || y < 0 || x + w > 1024 || y + h > 768) { print "off the screen"; exit 1 }
    roomy = dx >= 100 || 1024 - dx - dw >= 100 || 768 - dy - dh >= 100
    if (roomy && x < dx + dw && dx < x + w && y < dy + dh && dy < y + h) { print "over the drawing"; exit 1 }
    if (!roomy) print "no room beside the drawing: over it"
    if (w < 60 || h < 60) { print "made too small"; exit 1 }
  }' >"$dir/why" || fail "--zoom $1: \"$3\" $(cat "$dir/why")"
  cat "$dir/why"
  xdotool windowactivate --sync "$side" key Escape 2>/dev/null ||
    xdotool windowfocus --sync "$side" key Escape
  for _ in $(seq 50); do
    visible_windows | grep -q "	$3\$" || return 0
    sleep 0.1
  done
  fail "--zoom $1: Esc did not close \"$3\""
}

for zoom in 100 150 200 250 300 fit; do
  "$kvir" --zoom "$zoom" >"$out" 2>&1 &
  pid=$!
  wait_for_main_window
  settle "$id" || fail "--zoom $zoom: the main window never came to rest"
  shown=$("$drawing" "$id") || fail "--zoom $zoom: no drawing found"
  check_side "$zoom" ctrl+t "Таблица истинности"
  check_side "$zoom" shift+F1 "KVIR - О схеме"
  check_side "$zoom" ctrl+F1 "KVIR - Руководство"
  check_side "$zoom" F1 "KVIR - Помощь"
  kill "$pid"
  wait "$pid" 2>/dev/null
  pid=""
done
echo "ok: every side window on the screen at every zoom, and off the drawing wherever the screen leaves room beside it"
exit 0
