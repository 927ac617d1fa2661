#!/bin/sh
# "Пошагово" in the real program on an X server: xvfb_step_test.sh KVIR KVIR-CLI WATCH
#   Started with --mode step, scheme 8 chosen from the list with the Down key: a click on X3
#   (IN03) shows at least three different pictures of the scheme area after the one before the
#   click, and then exactly `kvir-cli render 8 IN03`.
# Runs itself again on an X server of its own (with_xvfb.sh). Skipped (exit 77) without xdotool.
set -u
needs_xdotool=1
. "$(dirname "$0")/../xvfb/session.sh"
kvir=$1
cli=$2
watch=$3

"$cli" render 8 -o "$dir/selected.png" >/dev/null || fail "kvir-cli render failed"
"$cli" render 8 IN03 -o "$dir/expected.png" >/dev/null || fail "kvir-cli render failed"
"$kvir" --mode step >"$out" 2>&1 &
pid=$!
wait_for_main_window

# The list has the focus at the start: seven times Down chooses scheme 8.
xdotool windowfocus --sync "$id" || fail "could not give the window the focus"
xdotool key --delay 50 Down Down Down Down Down Down Down || fail "xdotool could not type"
"$watch" "$id" 0 23 "$dir/selected.png" 10 >/dev/null ||
  fail "scheme 8 chosen, the scheme area is not kvir-cli render 8"
echo "ok: scheme 8 is shown"

# X3 (IN03) of scheme 8 lies at 28, 21 of the scheme area, which lies at 0, 23.
"$watch" "$id" 0 23 "$dir/expected.png" 60 >"$dir/watch" &
watcher=$!
for _ in $(seq 100); do
  grep -q watching "$dir/watch" && break
  sleep 0.05
done
xdotool mousemove --window "$id" 40 56 click 1 || fail "xdotool could not click"
wait "$watcher" || fail "the scheme area never became kvir-cli render 8 IN03: $(tail -n 1 "$dir/watch")"
result=$(tail -n 1 "$dir/watch")
echo "$result"
between=${result%% *}
[ "$between" -ge 3 ] || fail "only $between pictures between the click and the end: $result"
echo "ok: the press of X3 showed $between pictures on its way to kvir-cli render 8 IN03"
kill "$pid"
wait "$pid" 2>/dev/null
exit 0
