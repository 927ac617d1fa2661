#!/bin/sh
# The clear view in the real program on an X server: xvfb_clearview_test.sh KVIR KVIR-CLI COMPARE
#   `kvir --clear-view` shows exactly `kvir-cli render 1 --clear-view` in its scheme area; with
#   xdotool at hand, Ctrl+Shift+V then switches it off: the area is then `kvir-cli render 1`.
# Runs itself again on an X server of its own (with_xvfb.sh), with settings of its own.
set -u
. "$(dirname "$0")/../xvfb/session.sh"
kvir=$1
cli=$2
compare=$3

# Waits until the scheme area of window $id is the picture $1; prints the last comparison.
shows() {
  shows_at 0 23 "$1"
}

"$cli" render 1 --clear-view -o "$dir/clear.png" || fail "kvir-cli render --clear-view failed"
"$cli" render 1 -o "$dir/plain.png" || fail "kvir-cli render failed"
"$kvir" --clear-view >"$out" 2>&1 &
pid=$!
wait_for_main_window
shows "$dir/clear.png" || fail "kvir --clear-view does not show kvir-cli render 1 --clear-view"
echo "ok: kvir --clear-view shows kvir-cli render 1 --clear-view"

if command -v xdotool >/dev/null; then
  xdotool windowfocus --sync "$id" || fail "could not give the window the focus"
  xdotool key ctrl+shift+v || fail "xdotool could not type"
  shows "$dir/plain.png" || fail "after Ctrl+Shift+V the panel is not kvir-cli render 1"
  echo "ok: Ctrl+Shift+V switched it off; the panel is kvir-cli render 1"
  grep -q 'clearView=false' "$XDG_CONFIG_HOME/kvir/kvir.conf" ||
    fail "the switch did not remember its state"
else
  echo "no xdotool: the switch by keys is left to the offscreen tests"
fi
kill "$pid"
wait "$pid" 2>/dev/null
exit 0
