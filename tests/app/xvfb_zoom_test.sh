#!/bin/sh
# The zoom in the real program on an X server: xvfb_zoom_test.sh KVIR KVIR-CLI COMPARE
#   `kvir --zoom 200` shows exactly `kvir-cli render 1 --zoom 200` below its list, which is 46
#   pixels high at 200 %; with xdotool at hand, Ctrl+0 then gives the plain `kvir-cli render 1`
#   at 0, 23, and Ctrl+Plus 150 %.
# Runs on an X server of its own with room for the window at 200 %.
set -u
KVIR_XVFB_SCREEN=2000x1600x24
export KVIR_XVFB_SCREEN
. "$(dirname "$0")/../xvfb/session.sh"
kvir=$1
cli=$2
compare=$3

for zoom in 100 150 200; do
  "$cli" render 1 --zoom "$zoom" -o "$dir/$zoom.png" || fail "kvir-cli render --zoom $zoom failed"
done
"$kvir" --zoom 200 >"$out" 2>&1 &
pid=$!
wait_for_main_window
shows_at 0 46 "$dir/200.png" || fail "kvir --zoom 200 does not show kvir-cli render 1 --zoom 200"
echo "ok: kvir --zoom 200 shows kvir-cli render 1 --zoom 200"

if command -v xdotool >/dev/null; then
  xdotool windowfocus --sync "$id" || fail "could not give the window the focus"
  xdotool key ctrl+0 || fail "xdotool could not type"
  shows_at 0 23 "$dir/100.png" || fail "after Ctrl+0 the panel is not kvir-cli render 1"
  echo "ok: Ctrl+0 gave back 100 %"
  xdotool key ctrl+plus || fail "xdotool could not type"
  shows_at 0 35 "$dir/150.png" || fail "after Ctrl+Plus the panel is not kvir-cli render 1 --zoom 150"
  echo "ok: Ctrl+Plus gave 150 %"
else
  echo "no xdotool: the keys are left to the offscreen tests"
fi
kill "$pid"
wait "$pid" 2>/dev/null
exit 0
