#!/bin/sh
# The keyboard in the real program on an X server: xvfb_keyboard_test.sh KVIR KVIR-CLI COMPARE
#   Started plainly, the scheme area shows `kvir-cli render 1` exactly. Tab, Tab, Down, Space
#   typed into the window (xdotool) press Y1 of scheme 1: the scheme area then shows
#   `kvir-cli render 1 IN01` exactly, but for the focus frame that rings Y1 (IN01).
# Runs itself again on an X server of its own (with_xvfb.sh). Skipped (exit 77) without xdotool.
set -u
needs_xdotool=1
. "$(dirname "$0")/../xvfb/session.sh"
kvir=$1
cli=$2
compare=$3


"$cli" render 1 -o "$dir/started.png" || fail "kvir-cli render failed"
"$cli" render 1 IN01 -o "$dir/expected.png" || fail "kvir-cli render failed"
"$kvir" >"$dir/out" 2>&1 &
pid=$!
wait_for_main_window
result=""
for _ in $(seq 50); do
  result=$("$compare" "$id" 0 23 "$dir/started.png") && break
  sleep 0.1
done
"$compare" "$id" 0 23 "$dir/started.png" >/dev/null ||
  fail "started plainly, the scheme area is not kvir-cli render 1: $result"
echo "ok: started plainly the panel is kvir-cli render 1, no frame"

xdotool windowfocus --sync "$id" || fail "could not give the window the focus"
xdotool key --delay 100 Tab Tab Down space || fail "xdotool could not type"

# The scheme area lies at 0, 23; Y1 (IN01) of scheme 1 at 276, 210 of it, 24 × 24, its frame
# 3 pixels wider on each side.
result=""
for _ in $(seq 50); do
  result=$("$compare" "$id" 0 23 "$dir/expected.png" 273 207 30 30) && break
  sleep 0.1
done
echo "$result"
"$compare" "$id" 0 23 "$dir/expected.png" 273 207 30 30 >/dev/null ||
  fail "the scheme area is not kvir-cli render 1 IN01 with a frame around Y1: $result"
echo "ok: Tab, Tab, Down, Space pressed Y1; the panel is kvir-cli render 1 IN01 and the frame"
kill "$pid"
wait "$pid" 2>/dev/null
exit 0
