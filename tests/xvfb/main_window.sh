# wait_for_main_window: for the tests of the real program on an X server, sourced by them after
# fail.sh. Sets $id to the main window, captioned "KVIR v1.0", once it is viewable; fails the test
# when none is within ten seconds.
wait_for_main_window() {
  for _ in $(seq 100); do
    id=$(xwininfo -root -tree | sed -n 's/^ *\(0x[0-9a-f]*\) "KVIR v1.0": .*/\1/p' | head -n 1)
    [ -n "$id" ] && xwininfo -id "$id" | grep -q IsViewable && return 0
    sleep 0.1
  done
  fail "no window captioned \"KVIR v1.0\" came up"
}
