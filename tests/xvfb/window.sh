# Finding the program's windows, for the tests of the real program on an X server (sourced by
# session.sh, after fail.sh).

# wait_for_window: waits up to ten seconds for a viewable window captioned "KVIR v1.0" and sets
# $id to it; fails, with $id empty, when none comes.
wait_for_window() {
  for _ in $(seq 100); do
    id=$(xwininfo -root -tree | sed -n 's/^ *\(0x[0-9a-f]*\) "KVIR v1.0": .*/\1/p' | head -n 1)
    [ -n "$id" ] && xwininfo -id "$id" | grep -q IsViewable && return 0
    sleep 0.1
  done
  id=""
  return 1
}

# wait_for_main_window: as wait_for_window, but fails the test when no window comes.
wait_for_main_window() {
  wait_for_window || fail "no window captioned \"KVIR v1.0\" came up"
}

# window_named TITLE: prints the first visible window whose caption is exactly TITLE, waiting up
# to ten seconds for one; fails when none comes. Needs xdotool.
window_named() {
  for _ in $(seq 100); do
    found=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1)
    [ -n "$found" ] && { echo "$found"; return 0; }
    sleep 0.1
  done
  return 1
}

# shows_at LEFT TOP PICTURE: waits up to five seconds until window $id shows the PNG file PICTURE
# with its top left corner at LEFT, TOP, comparing with the program $compare; prints the last
# comparison when it never does.
shows_at() {
  result=""
  for _ in $(seq 50); do
    result=$("$compare" "$id" "$1" "$2" "$3") && return 0
    sleep 0.1
  done
  echo "$result"
  return 1
}
