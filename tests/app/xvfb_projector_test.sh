#!/bin/sh
# The program on a projector's screen: xvfb_projector_test.sh KVIR
#   On a 1024 × 768 screen, under openbox where it is installed, `kvir --zoom fit`, `--zoom 150`
#   and `--zoom 200` (the last in English) come up with the window and its frame inside the
#   screen; a click at the help button's place, at the right end of the window's top strip,
#   opens the help window (modal, on top, beside the drawing) inside the screen, and Esc closes
#   it. A second start with --zoom fit, with the settings the first left, fits the window to the
#   same place and size.
# Runs itself again on an X server of its own (with_xvfb.sh).
set -u
needs_xdotool=1
KVIR_XVFB_SCREEN=1024x768x24
export KVIR_XVFB_SCREEN
. "$(dirname "$0")/../xvfb/session.sh"
kvir=$1

. "$(dirname "$0")/../xvfb/frames.sh"
if start_openbox; then
  echo "openbox is the window manager"
else
  echo "no openbox: the windows have no frames"
fi

window_width() { xwininfo -id "$1" | awk '/Width:/ { print $NF }'; }

# "X Y WIDTH HEIGHT" of window $1.
placed() {
  xwininfo -id "$1" | awk '/Absolute upper-left [XY]:|Width:|Height:/ { printf "%s ", $NF }'
}

# check ZOOM HELP-TITLE [KVIR OPTION…]
check() {
  zoom=$1
  title=$2
  shift 2
  "$kvir" --zoom "$zoom" "$@" >"$out" 2>&1 &
  pid=$!
  wait_for_main_window
  fits=""
  # Fitting decodes every picture at the new zoom: under the sanitizers on a busy machine that
  # took more than ten seconds.
  for _ in $(seq 300); do
    inside_screen "$id" && { fits=1; break; }
    sleep 0.1
  done
  [ -n "$fits" ] || fail "--zoom $zoom: the window or its frame leaves the screen"
  # Fitted again once framed: before clicking, wait until it has come to rest.
  settle "$id" || fail "--zoom $zoom: the window never came to rest"
  inside_screen "$id" || fail "--zoom $zoom: the window left the screen once framed"
  echo "$zoom $*: $(placed "$id")" >>"$dir/placed"
  width=$(window_width "$id")
  help=""
  for _ in $(seq 20); do
    xdotool mousemove --window "$id" $((width - 30)) 8 click 1
    help=$(window_named "$title") && break
  done
  [ -n "$help" ] || fail "--zoom $zoom: no \"$title\" window after a click at the help button"
  inside_screen "$help" || fail "--zoom $zoom: the help window leaves the screen"
  xdotool windowactivate --sync "$help" key Escape 2>/dev/null ||
    xdotool windowfocus --sync "$help" key Escape
  closed=""
  for _ in $(seq 50); do
    visible_windows | grep -q "	$title\$" || { closed=1; break; }
    sleep 0.1
  done
  [ -n "$closed" ] || fail "--zoom $zoom: Esc did not close the help window"
  kill "$pid"
  wait "$pid" 2>/dev/null
  pid=""
  echo "ok: --zoom $zoom $*: on the screen, help reachable, closed by Esc"
}

check fit "KVIR - Помощь"
check 150 "KVIR - Помощь"
check 200 "KVIR - Help" --lang en
# The first start (no settings yet, a window manager framing a window for the first time) fits
# as a later one does.
check fit "KVIR - Помощь"
[ "$(grep -c '^fit : ' "$dir/placed")" -eq 2 ] && [ "$(grep '^fit : ' "$dir/placed" | sort -u | wc -l)" -eq 1 ] ||
  fail "--zoom fit fitted otherwise on a later start: $(grep '^fit : ' "$dir/placed" | tr '\n' ' ')"
echo "ok: --zoom fit the same on the first start and a later one: $(grep -m 1 '^fit : ' "$dir/placed")"
exit 0
